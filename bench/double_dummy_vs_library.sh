#!/usr/bin/env bash
# Double dummy side by side with the library alone: a run of 32 boards with double-dummy
# tables and par into the PBN file, and the same 32 boards (read from that run's main deal
# file) solved by calling the DDS library's batch function directly (bench/dds_direct),
# in turn five times. Prints each median wall time and the ratio (guard: at most 1.1).
# Usage: bench/double_dummy_vs_library.sh [build folder]   (default: build/release)
set -euo pipefail
build=${1:-"$(dirname "$0")/../build/release"}
dealer="$build/cli/quorvex-deal"
direct="$build/bench/dds_direct"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entropy=102030405060708090102030405060708090102030

wall_of() {
  /usr/bin/time -f "%e" -o "$work/time" "$@" >/dev/null
  cat "$work/time"
}
median() { sort -n | sed -n 3p; }

ours=() library=()
for run in 1 2 3 4 5; do
  rm -rf "$work/out" && mkdir "$work/out"
  ours+=("$(wall_of "$dealer" --boards 32 --formats pbn --double-dummy --force --quiet \
    --entropy-text "$entropy" --out "$work/out")")
  library+=("$(wall_of "$direct" "$work/out/YourID.qvw")")
done
ours_median=$(printf '%s\n' "${ours[@]}" | median)
library_median=$(printf '%s\n' "${library[@]}" | median)
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "our run, 32 boards with double dummy: ${ours[*]} s (median $ours_median s)"
echo "the library called directly:          ${library[*]} s (median $library_median s)"
echo "ours / library: $(echo "scale=2; $ours_median / $library_median" | bc) (guard: at most 1.1)"
