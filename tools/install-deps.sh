#!/bin/sh
# Installs the Debian packages that the build, the tests and the tools need.
# As root it installs what is missing; otherwise it prints the line to run.
set -e
packages="cmake ninja-build make g++ clang libclang-rt-14-dev googletest libgtest-dev
  libbenchmark-dev libmuparser-dev g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xauth xdotool imagemagick fonts-wqy-microhei fonts-dejavu-core
  zip unzip valgrind"
missing=""
for p in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in *" installed") ;; *) missing="$missing $p" ;; esac
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:"
  echo "  apt-get update && apt-get install -y --no-install-recommends$missing"
  exit 1
fi
echo "Installing:$missing"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
