#!/bin/bash
# The Wine session of a test run: an Xvfb display of its own, a private
# prefix whose virtual desktop is 1024 x 768, and one persistent wineserver,
# so that each test binary costs one Wine process start only.
# Usage: session.sh start|stop|prefix STATE-FOLDER
#   prefix: only make the prefix (on the display in $DISPLAY, if any)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
action=$1
. "$here/env.sh" "$2"

stop() {
  wineserver -k 2>/dev/null || true
  if [ -s "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$state/xvfb.pid" "$state/display"
}

# Makes the prefix when there is none; its server has ended on return.
prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init </dev/null >"$state/wineboot.log" 2>&1
    wineserver -w
  fi
}

configure() {
  # Drive D: is a scratch folder of the run, so that tests can use short,
  # space-free paths like D:\cd\disc.cue wherever the build folder lies.
  mkdir -p "$state/drive-d"
  ln -sfn "$state/drive-d" "$WINEPREFIX/dosdevices/d:"
  wine regedit /S "Z:$(printf %s "$here/desktop.reg" | tr / '\\')" </dev/null >/dev/null 2>&1
}

start() {
  stop
  # Xvfb picks a free display and writes its number to fd 3.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$state/display" ] && break
    sleep 0.1
  done
  [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(cat "$state/display")"
  prefix
  setsid wineserver -p </dev/null >/dev/null 2>&1
  configure
  echo "Wine session on display $DISPLAY, prefix $WINEPREFIX"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  prefix) prefix && configure ;;
  *) echo "usage: session.sh start|stop|prefix STATE-FOLDER" >&2; exit 2 ;;
esac
