#!/bin/bash
# NRG extraction speed: makes a synthetic NRG image of 1 GiB of track data,
# converts it with the native build and with the win64 build under Wine,
# and copies the same byte range with dd bs=1M in the same run. Prints MB/s
# (10^6 bytes a second) of each, best of three, and the ratio to dd.
# Usage: scripts/bench-nrg.sh [MiB of track data, default 1024]
set -euo pipefail
cd "$(dirname "$0")/.."
mib=${1:-1024}
scripts/install-deps.sh
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target nrg-bench >/dev/null

work=build/bench/work
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

tests/wine/session.sh start build/win64/wine >/dev/null
trap 'tests/wine/session.sh stop build/win64/wine; rm -rf "$work"' EXIT
windows_image="Z:$(cd "$work" && pwd | tr / '\\')\\bench.nrg"

now() { date +%s.%N; }
best_native=999 best_wine=999 best_dd=999 peak_native=0 peak_wine=0
for round in 1 2 3; do
  read -r seconds peak < <(build/bench/nrg-bench "$image")
  best_native=$(echo "if ($seconds < $best_native) $seconds else $best_native" | bc -l)
  peak_native=$peak
  rm -f "$work/bench.iso"

  read -r seconds peak < <(tests/wine/run.sh build/win64/wine build/win64/nrg-bench.exe "$windows_image" | tr -d '\r')
  best_wine=$(echo "if ($seconds < $best_wine) $seconds else $best_wine" | bc -l)
  peak_wine=$peak
  rm -f "$work/bench.iso"

  start=$(now)
  dd if="$image" of="$work/dd.iso" bs=1M iflag=skip_bytes,count_bytes skip=$header count=$data status=none
  seconds=$(echo "$(now) - $start" | bc -l)
  best_dd=$(echo "if ($seconds < $best_dd) $seconds else $best_dd" | bc -l)
  rm -f "$work/dd.iso"
done

rate() { echo "scale=1; $data / $1 / 1000000" | bc -l; }
ratio() { echo "scale=3; $best_dd / $1" | bc -l; }
printf '%-22s %9s MB/s\n' "dd bs=1M" "$(rate "$best_dd")"
printf '%-22s %9s MB/s  ratio to dd %s  peak memory %s KiB\n' "native" "$(rate "$best_native")" "$(ratio "$best_native")" "$peak_native"
printf '%-22s %9s MB/s  ratio to dd %s  peak memory %s KiB\n' "win64 under Wine" "$(rate "$best_wine")" "$(ratio "$best_wine")" "$peak_wine"
