#!/bin/sh
# Start-up of the tool against the floor programs, under Wine with a warm
# server on a virtual display: the self-test's wall time against a program
# that writes a small file, and the time until the main window exists
# against a program that opens one window. Prints medians and ratios.
# Usage: tools/startup-bench.sh [RUNS]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}
build=${VREL_BUILD_DIR:-$top/build/windows}
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEARCH=win64
"$top/tools/wine-prefix.sh"
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  runs=$0
  wineserver -p
  ./wine-run cmd.exe /c exit >/dev/null 2>&1
  echo "self-test (VrelMedTool.exe --selftest vs bench/startup/floor_selftest.exe):"
  ./wine-run bench/startup/startup_timer.exe "$runs" exit \
    "app\\VrelMedTool.exe --selftest bench-selftest.txt" "bench\\startup\\floor_selftest.exe"
  echo "window (VrelMedToolWnd exists vs bench/startup/floor_window.exe):"
  ./wine-run bench/startup/startup_timer.exe "$runs" window \
    VrelMedToolWnd "app\\VrelMedTool.exe" FloorWnd "bench\\startup\\floor_window.exe"
  wineserver -k' "$runs"
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" app/VrelMedTool.exe
echo "VrelMedTool.exe stripped: $(stat -c %s "$stripped") bytes"
rm -f "$stripped"
