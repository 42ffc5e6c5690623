#!/bin/bash
# Checks a release exe as a file: a 32-bit x86 PE of the given subsystem
# (gui or console) that imports only from DLLs that ship with Windows.
# Usage: check_pe.sh EXE gui|console
set -eu
exe=$1
want=$2
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "FAIL: $exe: $*" >&2; exit 1; }

grep -q '^Magic[[:space:]]*010b' <<<"$dump" || fail "not a PE32 (32-bit) image"
i686-w64-mingw32-objdump -f "$exe" | grep -q 'architecture: i386' || fail "not an x86 image"
case "$want" in
  gui) subsystem='(Windows GUI)' ;;
  console) subsystem='(Windows CUI)' ;;
esac
grep -q "^Subsystem.*$subsystem" <<<"$dump" || fail "subsystem is not $want"

# DLLs of every Windows since XP; no C++ runtime or pthread DLL.
allowed='^(kernel32|user32|gdi32|comdlg32|comctl32|shell32|ole32|advapi32|msvcrt)\.dll$'
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)
for dll in $dlls; do
  [[ $dll =~ $allowed ]] || fail "imports from $dll"
done
echo "$exe: PE32 i386, $want, imports from: $(echo $dlls)"
