#!/bin/bash
# Installs what is missing, builds Morvenko and starts it. On Linux it runs
# under Wine (the 64-bit build; the 32-bit release exe cannot run here):
# on the display in $DISPLAY, or else in an Xvfb of its own, where it is
# photographed into build/morvenko-run.png and then closed.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null && cmake --build --preset win32
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target morvenko
echo "release exe and zip: build/win32/"

state=build/win64/wine
if [ -n "${DISPLAY:-}" ]; then
  tests/wine/session.sh prefix "$state"
  exec tests/wine/run.sh "$state" build/win64/morvenko.exe
fi

tests/wine/session.sh start "$state"
trap 'tests/wine/session.sh stop "$state"' EXIT
. tests/wine/env.sh "$state"
tests/wine/run.sh "$state" build/win64/morvenko.exe &
sleep 5
xwd -root -display "$DISPLAY" | xwdtopnm 2>/dev/null | pnmtopng >build/morvenko-run.png
echo "no display: Morvenko ran in Xvfb; its screen is in build/morvenko-run.png"
