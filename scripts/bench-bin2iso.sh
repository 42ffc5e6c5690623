#!/bin/bash
# bin2ISO speed: converts a 1 GiB MODE1/2352 BIN image to ISO with the
# native build and with the win64 build under Wine, and copies the same BIN
# with dd bs=1M in the same run. Prints MB/s of input (10^6 bytes a
# second), best of three, and the ratio to dd.
# Usage: scripts/bench-bin2iso.sh [MiB, default 1024]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/bench-lib.sh
mib=${1:-1024}
bench_build --target bin2iso

work=build/bench/bin2iso-work
mkdir -p "$work"
sectors=$((mib * 1048576 / 2352))
bytes=$((sectors * 2352))
echo "making a $bytes-byte MODE1/2352 image ($sectors sectors)"
head -c "$bytes" /dev/urandom >"$work/disc.bin"
printf 'FILE "disc.bin" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00\r\n' >"$work/disc.cue"
cat "$work/disc.bin" >/dev/null  # everyone reads from the page cache

bench_wine_session "$work"
best_native=999 best_wine=999 best_dd=999
for round in 1 2 3; do
  best_native=$(smaller "$(seconds_of build/bench/bin2iso "$work/disc.cue")" "$best_native")
  rm -f "$work/disc.iso"
  best_wine=$(smaller "$(seconds_of tests/wine/run.sh build/win64/wine build/win64/bin2ISO.exe \
    "$(windows_path "$work/disc.cue")")" "$best_wine")
  rm -f "$work/disc.iso"
  best_dd=$(smaller "$(seconds_of dd if="$work/disc.bin" of="$work/dd.bin" bs=1M)" "$best_dd")
  rm -f "$work/dd.bin"
done

printf '%-22s %9s MB/s of input\n' "dd bs=1M" "$(rate "$bytes" "$best_dd")"
for build in native wine; do
  best=best_$build
  printf '%-22s %9s MB/s of input, ratio to dd %s\n' "$build" "$(rate "$bytes" "${!best}")" \
    "$(echo "scale=3; $best_dd / ${!best}" | bc -l)"
done
