#!/usr/bin/env bash
# Builds everything and runs every check CI runs: the source format, the layers, the
# release build with warnings as errors and all its tests (core, command line, windows on
# the offscreen platform, the smoke run under a virtual display), then the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh
scripts/check-layers.sh
cmake --workflow --preset ci
cmake --workflow --preset asan
# Every reader of outside input under libFuzzer for about 30 seconds each.
scripts/fuzz.sh 30
