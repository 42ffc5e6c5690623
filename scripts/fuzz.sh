#!/bin/bash
# Fuzzes the CUE sheet parser and the BIN layout detection with libFuzzer
# (clang, AddressSanitizer, UndefinedBehaviorSanitizer) for a bounded time.
# Usage: scripts/fuzz.sh [seconds, default 600]. Crashes land in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
scripts/install-deps.sh
out=build/fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
  fuzz/bin2iso_fuzz.cpp bin2iso/cue_sheet.cpp bin2iso/layout.cpp bin2iso/sector.cpp \
  common/text.cpp -o "$out/bin2iso_fuzz"
# Seeds: a mixed-mode CUE sheet, and a raw data sector header.
printf '\001\000FILE "d.bin" BINARY\r\n TRACK 01 MODE1/2352\r\n  INDEX 01 00:00:00\r\n TRACK 02 AUDIO\r\n  INDEX 00 10:00:00\r\n  INDEX 01 10:02:00\r\n' >"$out/corpus/cue"
printf '\000\010\000\377\377\377\377\377\377\377\377\377\377\000\000\002\000\001' >"$out/corpus/raw"
cd "$out"
./bin2iso_fuzz -max_total_time="$seconds" -print_final_stats=1 corpus 2>&1 | tail -25
