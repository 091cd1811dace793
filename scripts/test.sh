#!/usr/bin/env bash
# Builds everything and runs every check CI runs: the source format, the layers, the
# release build with warnings as errors and all its tests (core, command line, windows on
# the offscreen platform, the smoke run under a virtual display), then the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets briefly; then
# the Debian package, and Quorvex for Windows under Wine: the core and the dealer with double
# dummy always; the window, its tests and the setup program when Qt for Windows is in the
# cache (scripts/build-windows-deps.sh qt, once per machine; otherwise one line says so).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh
scripts/check-layers.sh
cmake --workflow --preset ci
cmake --workflow --preset asan
# Every reader of outside input under libFuzzer for about 30 seconds each.
scripts/fuzz.sh 30

# The Debian package, made from the ci build and checked without installing it; then the core
# and the dealer cross-built for Windows and run under Wine. Each part reports its time.
time scripts/package.sh ci
time scripts/check-package.sh ci
time scripts/windows.sh ci
