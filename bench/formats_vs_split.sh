#!/usr/bin/env bash
# The five machine formats and the analysis report of 1000 sets x 1000 boards side by side
# with the floor of writing the same bytes: the same run once with them and once with the
# main deal file only (the difference is what converting costs), and `split` writing the
# bytes the formats and the report wrote as as many files. Prints the CPU time of each and
# the ratio of converting to the floor (goal: at most 1.5).
# Usage: bench/formats_vs_split.sh [path to quorvex-deal]   (default: the release build's)
set -euo pipefail
dealer=${1:-"$(dirname "$0")/../build/release/cli/quorvex-deal"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entropy=102030405060708090102030405060708090102030
run=("$dealer" --test-mode --sets 1000 --boards 1000 --entropy-text "$entropy" --quiet)

# CPU seconds (user + system) of the command.
cpu_of() {
  /usr/bin/time -f "%U %S" -o "$work/time" "$@" >/dev/null
  read -r user system <"$work/time"
  echo "$user + $system" | bc
}

mkdir "$work/main" "$work/all" "$work/split"
main_cpu=$(cpu_of "${run[@]}" --formats none --out "$work/main")
all_cpu=$(cpu_of "${run[@]}" --formats dlm,dup,bri,dge,df --report "$work/all/report.txt" --out "$work/all")
rm -f "$work/all/YourID.qvw" "$work/all/Int160.qvs"
files=$(find "$work/all" -type f | wc -l)
bytes=$(find "$work/all" -type f -exec cat {} + | tee "$work/bytes" | wc -c)
rm -r "$work/all"
split_cpu=$(cpu_of split -n "$files" -a 5 "$work/bytes" "$work/split/part")
sync

convert_cpu=$(echo "$all_cpu - $main_cpu" | bc)
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "written: $files files, $((bytes / 1000000)) MB"
echo "run with the five formats and the report: $all_cpu s CPU"
echo "run with the main deal file only:          $main_cpu s CPU"
echo "converting (the difference):               $convert_cpu s CPU"
echo "split of the same bytes into $files files: $split_cpu s CPU"
echo "converting / split: $(echo "scale=2; $convert_cpu / $split_cpu" | bc) (goal: at most 1.5)"
echo "whole run / split:  $(echo "scale=2; $all_cpu / $split_cpu" | bc)"
