#!/bin/bash
# NRG extraction speed: makes a synthetic NRG image of 1 GiB of track data,
# converts it with the native build and with the win64 build under Wine,
# and copies the same byte range with dd bs=1M in the same run. Prints MB/s
# (10^6 bytes a second) of each, best of three, the ratio to dd and the
# peak memory.
# Usage: scripts/bench-nrg.sh [MiB of track data, default 1024]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/bench-lib.sh
mib=${1:-1024}
bench_build --target nrg-bench

work=build/bench/nrg-work
mkdir -p "$work"
image="$work/bench.nrg"
header=307200
data=$((mib * 1048576))
end=$((header + data))
echo "making a $((end + 20))-byte image with $data bytes of track data"
head -c "$end" /dev/urandom >"$image"
# NER5 footer: "END!", a field, "NER5", the 64-bit big-endian end.
printf 'END!\0\0\0\x0cNER5' >>"$image"
printf '%016x' "$end" | sed 's/../\\x&/g' | xargs -0 printf >>"$image"
cat "$image" >/dev/null  # everyone reads from the page cache

bench_wine_session "$work"
best_native=999 best_wine=999 best_dd=999
for round in 1 2 3; do
  sync
  read -r seconds peak_native < <(build/bench/nrg-bench "$image")
  best_native=$(smaller "$seconds" "$best_native")
  rm -f "$work/bench.iso"
  sync
  read -r seconds peak_wine < <(tests/wine/run.sh build/win64/wine build/win64/nrg-bench.exe \
    "$(windows_path "$image")" | tr -d '\r')
  best_wine=$(smaller "$seconds" "$best_wine")
  rm -f "$work/bench.iso"
  best_dd=$(smaller "$(seconds_of dd if="$image" of="$work/dd.iso" bs=1M \
    iflag=skip_bytes,count_bytes skip=$header count=$data)" "$best_dd")
  rm -f "$work/dd.iso"
done

printf '%-22s %9s MB/s\n' "dd bs=1M" "$(rate "$data" "$best_dd")"
printf '%-22s %9s MB/s  ratio to dd %s  peak memory %s KiB\n' "native" \
  "$(rate "$data" "$best_native")" "$(echo "scale=3; $best_dd / $best_native" | bc -l)" "$peak_native"
printf '%-22s %9s MB/s  ratio to dd %s  peak memory %s KiB\n' "win64 under Wine" \
  "$(rate "$data" "$best_wine")" "$(echo "scale=3; $best_dd / $best_wine" | bc -l)" "$peak_wine"
