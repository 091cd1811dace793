#!/usr/bin/env bash
# Check and audit of a million boards side by side with dealing them: deals 1000 sets of
# 1000 boards into a main deal file only, then checks and audits that file, and prints each
# command's wall time, CPU time and peak memory and the ratios to dealing. Goals: check at
# most twice the time of dealing; check and audit at most 50 MB peak.
# Usage: bench/check_audit_vs_deal.sh [path to quorvex-deal]   (default: the release build's)
set -euo pipefail
dealer=${1:-"$(dirname "$0")/../build/release/cli/quorvex-deal"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entropy=102030405060708090102030405060708090102030

# Runs the command, prints its figures and leaves "wall cpu kilobytes" in $figures.
measure() {
  local name=$1
  shift
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" >"$work/output" 2>&1 || {
    cat "$work/output" >&2
    exit 1
  }
  read -r wall user system kilobytes <"$work/time"
  cpu=$(echo "$user + $system" | bc)
  figures="$wall $cpu $kilobytes"
  printf '%-6s %7.2f s wall %7.2f s CPU %8d KB peak\n' "$name" "$wall" "$cpu" "$kilobytes"
}

measure deal "$dealer" --test-mode --sets 1000 --boards 1000 --formats none --entropy-text "$entropy" \
  --work-dir "$work" --out "$work" --quiet
read -r deal_wall deal_cpu _ <<<"$figures"
measure check "$dealer" check --quiet "$work/YourID.qvw"
read -r check_wall check_cpu check_kb <<<"$figures"
measure audit "$dealer" audit "$work/YourID.qvw"
read -r audit_wall audit_cpu audit_kb <<<"$figures"

ratio() { echo "scale=2; $1 / $2" | bc; }
echo "check/deal: $(ratio "$check_wall" "$deal_wall") x wall, $(ratio "$check_cpu" "$deal_cpu") x CPU (goal: at most 2)"
echo "audit/deal: $(ratio "$audit_wall" "$deal_wall") x wall, $(ratio "$audit_cpu" "$deal_cpu") x CPU"
echo "peak memory: check $((check_kb / 1024)) MB, audit $((audit_kb / 1024)) MB (goal: at most 50 MB)"
