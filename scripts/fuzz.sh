#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz, preset "fuzz": clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for the given seconds on a copy of its seed
# corpus tests/fuzz/corpus/<name>, so nothing is written into the repository. Fails on the
# first crash; the failing input is kept in build/fuzz/artifacts.
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/artifacts
for target in build/fuzz/tests/fuzz/*_fuzz; do
  name="$(basename "$target" _fuzz)"
  corpus="$(mktemp -d)"
  [ -d "tests/fuzz/corpus/$name" ] && cp -R "tests/fuzz/corpus/$name/." "$corpus"
  echo "Fuzzing $name for ${seconds}s"
  status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" >"build/fuzz/$name.log" 2>&1 || status=$?
  rm -rf "$corpus"
  if [ "$status" -ne 0 ]; then
    tail -n 30 "build/fuzz/$name.log" >&2
    echo "$name failed (exit $status); the input is in build/fuzz/artifacts" >&2
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "build/fuzz/$name.log" || true
done
