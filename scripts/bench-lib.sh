# Sourced by the benchmark scripts: builds, a Wine session, and timing.

bench_build() {
  scripts/install-deps.sh
  cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
  cmake --preset win64 >/dev/null && cmake --build --preset win64 "$@" >/dev/null
}

# Starts the Wine session of the win64 build; stopped and `$1` removed on exit.
bench_wine_session() {
  tests/wine/session.sh start build/win64/wine >/dev/null
  trap "tests/wine/session.sh stop build/win64/wine; rm -rf '$1'" EXIT
}

# A Unix path as Wine sees it.
windows_path() { printf 'Z:%s' "$(realpath -m "$1")" | tr / '\\'; }

now() { date +%s.%N; }

# Seconds a command takes. Dirty pages of earlier runs are written out
# first, so that no run pays for the one before.
seconds_of() {
  local start
  sync
  start=$(now)
  "$@" >/dev/null 2>&1
  echo "$(now) - $start" | bc -l
}

smaller() { echo "if ($1 < $2) $1 else $2" | bc -l; }

# MB/s (10^6 bytes a second) for `bytes` in `seconds`.
rate() { echo "scale=1; $1 / $2 / 1000000" | bc -l; }
