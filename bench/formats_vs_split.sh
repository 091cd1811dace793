#!/usr/bin/env bash
# The five machine formats and the analysis report of 1000 sets x 1000 boards side by side
# with the floor of writing the same bytes: the same run once with them and once with the
# main deal file only (the difference is what converting costs), and `split` writing the
# bytes the formats and the report wrote as as many files, then `sync` of those files (the
# run syncs every file it publishes). Each command runs BENCH_RUNS times (default 5), taking
# turns, and the ratio of converting to the floor (goal: at most 1.5) is printed from the
# medians of their CPU times (user + system), and from the least of each, which noise from
# other work on the machine can only raise. The work folder is made by mktemp: set TMPDIR to
# measure on another file system.
# Usage: bench/formats_vs_split.sh [path to quorvex-deal]   (default: the release build's)
set -euo pipefail
dealer=${1:-"$(dirname "$0")/../build/release/cli/quorvex-deal"}
runs=${BENCH_RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entropy=102030405060708090102030405060708090102030
run=("$dealer" --test-mode --sets 1000 --boards 1000 --entropy-text "$entropy" --quiet)

# CPU seconds (user + system) of the command; the two parts are kept in $work/time-<name>,
# and the machine's busy CPU seconds from its start until a `sync` after it has written
# everything out in $work/busy-<name>: a file system that writes out later (ext4) does it in
# the kernel's own threads for a command that leaves its files to them (split), but in the
# command's own time for one that syncs them itself (the run).
busy_ticks() { awk '/^cpu / {print $2 + $3 + $4 + $7 + $8}' /proc/stat; }
cpu_of() {
  local name=$1
  shift
  local before
  before=$(busy_ticks)
  /usr/bin/time -f "%U %S" -o "$work/time-$name" "$@" >/dev/null
  sync
  echo "scale=2; ($(busy_ticks) - $before) / $(getconf CLK_TCK)" | bc >"$work/busy-$name"
  read -r user system <"$work/time-$name"
  echo "$user + $system" | bc
}
busy_of() { cat "$work/busy-$1"; }
parts_of() { read -r user system <"$work/time-$1"; echo "$user s user + $system s system"; }
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
least() { printf '%s\n' "$@" | sort -n | head -1; }
# "<median ratio> (least: <ratio of the least figures>)" of converting to the floor, from
# lists given as "a b c": the round-by-round differences of converting, the runs with the
# formats, the runs with the main deal file only, and the floor. Noise only ever adds time,
# so the least figures are the steadiest; converting's least is the least run with the
# formats less the least run without (the least difference would take a round whose run
# without them was slowed).
ratios() {
  read -ra differences <<<"$1"
  read -ra with <<<"$2"
  read -ra without <<<"$3"
  read -ra floor <<<"$4"
  echo "$(echo "scale=2; $(median "${differences[@]}") / $(median "${floor[@]}")" | bc)" \
    "(least: $(echo "scale=2; ($(least "${with[@]}") - $(least "${without[@]}")) / $(least "${floor[@]}")" | bc))"
}

# The commands take turns, and each one's files are deleted as soon as it has been timed:
# on a virtual machine the kernel's share of a command grows several times when it writes
# into memory the guest has not used for a while (freed memory goes back to the host within
# seconds), so each command reuses the memory the one before it has just freed.
main=() all=() converting=() split=() durable=() busy_main=() busy_all=() busy_converting=() busy_split=()
for r in $(seq "$runs"); do
  mkdir "$work/main" "$work/all" "$work/split"
  main+=("$(cpu_of "main$r" "${run[@]}" --formats none --out "$work/main")")
  rm -r "$work/main"
  all+=("$(cpu_of "all$r" "${run[@]}" --formats dlm,dup,bri,dge,df --report "$work/all/report.txt" \
    --out "$work/all")")
  converting+=("$(echo "${all[-1]} - ${main[-1]}" | bc)")
  busy_main+=("$(busy_of "main$r")")
  busy_all+=("$(busy_of "all$r")")
  busy_converting+=("$(echo "${busy_all[-1]} - ${busy_main[-1]}" | bc)")
  if [ "$r" = 1 ]; then
    files=$(find "$work/all" -type f ! -name YourID.qvw | wc -l)
    bytes=$(find "$work/all" -type f ! -name YourID.qvw -exec cat {} + | tee "$work/bytes" | wc -c)
  fi
  rm -r "$work/all"
  split_cpu=$(cpu_of "split$r" split -n "$files" -a 5 "$work/bytes" "$work/split/part")
  # The run syncs every file it publishes, and on a virtual machine the kernel charges the
  # writing out to the process that syncs (split's pages are written out later by the
  # kernel's own threads): the floor written as durably syncs the same files.
  sync_cpu=$(cpu_of "sync$r" sync "$work/split"/part*)
  rm -r "$work/split"
  split+=("$split_cpu")
  busy_split+=("$(busy_of "split$r")")
  durable+=("$(echo "$split_cpu + $sync_cpu" | bc)")
done

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "written: $files files, $((bytes / 1000000)) MB; file system: $(df -T "$work" | awk 'NR == 2 {print $2}')"
echo "CPU seconds in $runs rounds (each: the main deal file only, the formats and the report, split):"
echo "  run with the main deal file only:          ${main[*]} (first: $(parts_of main1))"
echo "  run with the five formats and the report: ${all[*]} (first: $(parts_of all1))"
echo "  converting (the difference in each round): ${converting[*]}"
echo "  split of the same bytes into $files files: ${split[*]} (first: $(parts_of split1))"
echo "  split and sync of those files:             ${durable[*]}"
echo "  the machine's, converting:                 ${busy_converting[*]}"
echo "  the machine's, split and sync:             ${busy_split[*]}"
echo "converting / (split + sync), the commands' CPU: $(ratios "${converting[*]}" "${all[*]}" "${main[*]}" "${durable[*]}") (goal: at most 1.5)"
echo "converting / (split + sync), the machine's CPU: $(ratios "${busy_converting[*]}" "${busy_all[*]}" "${busy_main[*]}" "${busy_split[*]}")"
