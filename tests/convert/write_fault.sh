#!/bin/sh
# Runs the write-fault tests (*WriteFault*) of a test binary with a file-size
# limit: a 5 MB source is made first, then no file of the test process may
# grow past 2 MiB, so any copy of the source fails partway.
# Usage: write_fault.sh windows|posix test-command...
set -eu
kind=$1
shift
rm -rf scratch-fault && mkdir scratch-fault
head -c 5000000 /dev/urandom > scratch-fault/disc.nrg
source="$PWD/scratch-fault/disc.nrg"
if [ "$kind" = windows ]; then
  source="Z:$(printf %s "$source" | tr / '\\')"
fi
export MORVENKO_WRITE_FAULT_SOURCE="$source"
trap '' XFSZ
ulimit -f 2048
status=0
"$@" --gtest_filter='*WriteFault*' || status=$?
rm -rf scratch-fault
exit $status
