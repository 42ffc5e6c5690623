#!/bin/bash
# Checks the release zip: exactly the files named, at its top level, and a
# README.txt with CRLF line endings only.
# Usage: check_zip.sh ZIP FILE...
set -eu
zip=$1
shift
fail() { echo "FAIL: $zip: $*" >&2; exit 1; }
[ -f "$zip" ] || fail "missing"
listed=$(unzip -Z1 "$zip" | sort)
wanted=$(printf '%s\n' "$@" | sort)
[ "$listed" = "$wanted" ] || fail "holds" $listed "instead of" $wanted
lf=$(unzip -p "$zip" README.txt | tr -cd '\n' | wc -c)
crlf=$(unzip -p "$zip" README.txt | grep -c $'\r$' || true)
[ "$lf" -gt 0 ] && [ "$lf" -eq "$crlf" ] || fail "README.txt has $lf lines, $crlf of them end in CRLF"
echo "$zip: $* ; README.txt with CRLF line endings"
