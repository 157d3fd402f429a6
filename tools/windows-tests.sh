#!/bin/sh
# Runs the Windows build's tests under Wine on a virtual X display, with one
# warm Wine server for the whole run (each test then starts in milliseconds).
# Usage: tools/windows-tests.sh [ctest arguments]
# VREL_BUILD_DIR names another Windows build folder (default build/windows).
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VREL_BUILD_DIR:-$top/build/windows}
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEARCH=win64
"$top/tools/wine-prefix.sh"
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wineserver -p
  ctest --test-dir "$0" --output-on-failure -j2 "$@"; rc=$?
  wineserver -k
  exit $rc' "$build" "$@"
