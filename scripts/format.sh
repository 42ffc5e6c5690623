#!/bin/bash
# Applies .clang-format to every C++ file; with --check, only reports files
# that differ from it and fails if there are any.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  bad=$(for f in $files; do clang-format "$f" | cmp -s - "$f" || echo "$f"; done)
  if [ -n "$bad" ]; then
    echo "not formatted (run scripts/format.sh):" $bad >&2
    exit 1
  fi
  echo "format: all files follow .clang-format"
else
  clang-format -i $files
fi
