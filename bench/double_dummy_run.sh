#!/usr/bin/env bash
# Times the double-dummy analysis a director adds to an evening's boards: one set of 32
# boards with double-dummy tables and par into the PBN file, three times with different
# boards, and reports each run's wall time and peak memory.
# Usage: bench/double_dummy_run.sh [path to quorvex-deal]   (default: the release build's)
set -euo pipefail
dealer=${1:-"$(dirname "$0")/../build/release/cli/quorvex-deal"}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for skip in 0 32 64; do
  /usr/bin/time -f "%e s elapsed (%U s user, %S s system), %M KB peak memory" \
    "$dealer" --boards 32 --skip-boards "$skip" --formats pbn --double-dummy --quiet \
    --entropy-text 102030405060708090102030405060708090102030 --out "$out"
done
