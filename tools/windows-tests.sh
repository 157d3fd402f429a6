#!/bin/sh
# Runs the Windows build's tests under Wine on a virtual X display, with one
# warm Wine server for the whole run (each test then starts in milliseconds).
# Usage: tools/windows-tests.sh [ctest arguments]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
export WINEPREFIX="$top/build/windows/wine-prefix" WINEDEBUG=-all WINEARCH=win64
"$top/tools/wine-prefix.sh"
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  wineserver -p
  ctest --preset windows "$@"; rc=$?
  wineserver -k
  exit $rc' sh "$@"
