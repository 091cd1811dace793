#!/usr/bin/env bash
# The five machine formats and the analysis report of 1000 sets x 1000 boards side by side
# with the floor of writing the same bytes: the same run once with them and once with the
# main deal file only (the difference is what converting costs), and `split` writing the
# bytes the formats and the report wrote as as many files, then `sync` of those files (the
# run syncs every file it publishes). Prints the CPU time of each and the ratio of
# converting to the floor (goal: at most 1.5). The work folder is made by mktemp: set
# TMPDIR to measure on another file system.
# Usage: bench/formats_vs_split.sh [path to quorvex-deal]   (default: the release build's)
set -euo pipefail
dealer=${1:-"$(dirname "$0")/../build/release/cli/quorvex-deal"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entropy=102030405060708090102030405060708090102030
run=("$dealer" --test-mode --sets 1000 --boards 1000 --entropy-text "$entropy" --quiet)

# CPU seconds (user + system) of the command; the two parts are kept in $work/time-<name>.
cpu_of() {
  local name=$1
  shift
  /usr/bin/time -f "%U %S" -o "$work/time-$name" "$@" >/dev/null
  read -r user system <"$work/time-$name"
  echo "$user + $system" | bc
}
parts_of() { read -r user system <"$work/time-$1"; echo "$user s user + $system s system"; }

# Nothing is deleted until every command has been timed: on ext4 without a journal, files
# deleted in the last half minute slow the creation of new ones in the same folder group
# (the kernel steps over recently freed inodes), which charges whichever command comes next.
mkdir "$work/main" "$work/all" "$work/split"
main_cpu=$(cpu_of main "${run[@]}" --formats none --out "$work/main")
all_cpu=$(cpu_of all "${run[@]}" --formats dlm,dup,bri,dge,df --report "$work/all/report.txt" --out "$work/all")
files=$(find "$work/all" -type f ! -name YourID.qvw | wc -l)
bytes=$(find "$work/all" -type f ! -name YourID.qvw -exec cat {} + | tee "$work/bytes" | wc -c)
split_cpu=$(cpu_of split split -n "$files" -a 5 "$work/bytes" "$work/split/part")
# The run syncs every file it publishes, and on a virtual machine the kernel charges the
# writing out to the process that syncs (split's pages are written out later by the
# kernel's own threads): the floor written as durably syncs the same files.
sync_cpu=$(cpu_of sync sync "$work"/split/part*)
durable_cpu=$(echo "$split_cpu + $sync_cpu" | bc)

convert_cpu=$(echo "$all_cpu - $main_cpu" | bc)
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "written: $files files, $((bytes / 1000000)) MB"
echo "file system: $(df -T "$work" | awk 'NR == 2 {print $2}')"
echo "run with the five formats and the report: $all_cpu s CPU ($(parts_of all))"
echo "run with the main deal file only:          $main_cpu s CPU ($(parts_of main))"
echo "converting (the difference):               $convert_cpu s CPU"
echo "split of the same bytes into $files files: $split_cpu s CPU ($(parts_of split))"
echo "syncing those files:                      $sync_cpu s CPU ($(parts_of sync))"
echo "converting / split: $(echo "scale=2; $convert_cpu / $split_cpu" | bc) (goal: at most 1.5)"
echo "converting / (split + sync): $(echo "scale=2; $convert_cpu / $durable_cpu" | bc)"
echo "whole run / split:  $(echo "scale=2; $all_cpu / $split_cpu" | bc)"
