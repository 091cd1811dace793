#!/usr/bin/env bash
# Builds the preset "fuzz" (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs every fuzz target for the given seconds (default 30) on a copy of its seed corpus
# tests/fuzz/corpus/<name>, so the repository's corpus never changes. Fails on any crash;
# the input that caused it is kept in build/fuzz/artifacts.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts
for target in build/fuzz/tests/fuzz/*_fuzz; do
  name="$(basename "$target" _fuzz)"
  corpus="$(mktemp -d)"
  cp -r "tests/fuzz/corpus/$name/." "$corpus/"
  echo "Fuzzing $name for ${seconds}s"
  status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" >"build/fuzz/$name.log" 2>&1 || status=$?
  rm -rf "$corpus"
  tail -n 4 "build/fuzz/$name.log"
  [ "$status" -eq 0 ] || { echo "fuzz target $name failed: see build/fuzz/$name.log" >&2; exit 1; }
done
