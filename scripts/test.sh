#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build (core, command line, windows on
# the offscreen platform, the smoke run under a virtual display), then the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target of the file readers
# for 25 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
ctest --preset release
cmake --preset asan
cmake --build --preset asan --target core_tests quorvex-deal cli_tests
ctest --preset asan
scripts/fuzz.sh 25
