#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/, preset "fuzz": clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one briefly from its seed corpus in
# fuzz/corpus/<name>. New inputs go to a scratch folder, so the kept corpus stays small;
# a failing input is saved in build/fuzz/artifacts. Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-25}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts
for target in build/fuzz/fuzz/fuzz_*; do
  name="$(basename "$target")"
  corpus="fuzz/corpus/${name##*_}"
  scratch="$(mktemp -d)"
  echo "Fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
    -artifact_prefix=build/fuzz/artifacts/"$name"- "$scratch" "$corpus" 2>&1 | tail -n 3
  status=${PIPESTATUS[0]}
  rm -rf "$scratch"
  [ "$status" -eq 0 ] || { echo "$name failed: see build/fuzz/artifacts" >&2; exit 1; }
done
