#!/usr/bin/env bash
# Builds the preset "fuzz" (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs every fuzz target for the given seconds (default 30), as many at a time as there are
# processors, each on a copy of its seed corpus tests/fuzz/corpus/<name>, so the repository's
# corpus never changes. Fails on any crash; the input that caused it is kept in
# build/fuzz/artifacts.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts

# One target: fuzzes a copy of its corpus, prints a line and keeps its exit status in
# build/fuzz/<name>.status.
fuzz_target() {
  local target=$1 name corpus status=0
  name="$(basename "$target" _fuzz)"
  corpus="$(mktemp -d)"
  cp -r "tests/fuzz/corpus/$name/." "$corpus/"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" >"build/fuzz/$name.log" 2>&1 || status=$?
  rm -rf "$corpus"
  echo "$status" >"build/fuzz/$name.status"
  if [ "$status" -eq 0 ]; then
    echo "Fuzzed $name for ${seconds}s: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "build/fuzz/$name.log")"
  else
    echo "fuzz target $name failed: see build/fuzz/$name.log" >&2
    tail -n 20 "build/fuzz/$name.log" >&2
  fi
}

rm -f build/fuzz/*.status
for target in build/fuzz/tests/fuzz/*_fuzz; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz_target "$target" &
done
wait
# Every target must have run to its end without a crash.
for target in build/fuzz/tests/fuzz/*_fuzz; do
  [ "$(cat "build/fuzz/$(basename "$target" _fuzz).status" 2>/dev/null)" = 0 ] || exit 1
done
