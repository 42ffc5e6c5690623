#!/bin/bash
# Figures of the program itself: the size of the 32-bit release exe
# (stripped), and the time from start to the main window being shown under
# Wine (the 64-bit build, median and fastest of 10 runs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null && cmake --build --preset win32 >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target morvenko window-start >/dev/null

exe=build/win32/morvenko.exe
i686-w64-mingw32-strip -o build/win32/morvenko-stripped.exe "$exe"
size=$(stat -c %s build/win32/morvenko-stripped.exe)
echo "32-bit morvenko.exe, stripped: $size bytes ($((size / 1024)) KiB)"

state=build/win64/wine
tests/wine/session.sh start "$state" >/dev/null
trap 'tests/wine/session.sh stop "$state"' EXIT
read -r median fastest < <(tests/wine/run.sh "$state" build/win64/window-start.exe \
  "$(pwd | sed 's|^|Z:|; s|/|\\|g')\\build\\win64\\morvenko.exe" 10 | tr -d '\r')
echo "start to window shown under Wine: median $median ms, fastest $fastest ms (10 runs)"
