#!/bin/bash
# Installs what is missing, builds the three builds and runs every test:
# natively, under Wine for win64, and the file checks of the win32 release.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1

for preset in native win64 win32; do
  { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; } || {
    echo "build $preset failed" >&2
    exit 1
  }
done

passed=0
failed=0
for preset in native win64 win32; do
  echo "== tests: $preset"
  ctest --preset "$preset" 2>&1 | tee "build/$preset/ctest.log"
  summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "build/$preset/ctest.log")
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    continue
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done

if ! scripts/format.sh --check; then
  failed=$((failed + 1))
fi

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
