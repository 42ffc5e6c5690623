# Sourced by session.sh and run.sh: the Wine environment of one test run,
# kept in the state folder given as $1 (inside the build folder).
state=$(mkdir -p "$1" && cd "$1" && pwd)
export WINEPREFIX="$state/prefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko: no installer dialogs, and the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -s "$state/display" ]; then
  export DISPLAY=":$(cat "$state/display")"
fi
