#!/bin/bash
# Checks that the program's own object files call no "W" (wide) Win32
# function, and lists those that the exe imports all the same: they come
# from the C runtime's start-up code.
# Usage: check_no_wide_calls.sh EXE OBJECT-FOLDER...
set -eu
exe=$1
shift
objects=$(find "$@" -name '*.obj')
[ -n "$objects" ] || { echo "FAIL: no object files in $*" >&2; exit 1; }
wide=$(i686-w64-mingw32-nm -u $objects | grep -oE '__imp__[A-Za-z0-9]+W@[0-9]+' | sort -u || true)
if [ -n "$wide" ]; then
  echo "FAIL: the program's code calls wide functions:" $wide >&2
  exit 1
fi
from_runtime=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ {in_dll=1} in_dll && NF == 3 && $3 ~ /W$/ {print $3}' | sort -u)
echo "no wide calls in the program's code; imported by the runtime: ${from_runtime:-none}"
