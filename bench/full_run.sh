#!/usr/bin/env bash
# Times the heaviest run a director can ask for from the command line: 1000 sets of 1000
# boards in test mode, every format and the analysis report, and reports the peak memory.
# Usage: bench/full_run.sh [path to quorvex-deal]   (default: the release build's)
set -euo pipefail
dealer=${1:-"$(dirname "$0")/../build/release/cli/quorvex-deal"}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
/usr/bin/time -f "%e s elapsed (%U s user, %S s system), %M KB peak memory" \
  "$dealer" --test-mode --sets 1000 --boards 1000 --entropy-text 102030405060708090102030405060708090102030 --out "$out" --report "$out/report.txt" --quiet
echo "files written: $(find "$out" -type f | wc -l)"
