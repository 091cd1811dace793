#!/usr/bin/env bash
# Writes docs/command-line.md from the dealer's own --help, so --help, the manual page (made
# from --help by help2man) and the docs are one text. With --check it writes nothing and
# fails when the file differs from what it would write (a test runs it so).
# Usage: scripts/cli-docs.sh [--check] <quorvex-deal>
set -euo pipefail
check=false
if [ "${1:-}" = --check ]; then check=true; shift; fi
dealer="${1:?usage: scripts/cli-docs.sh [--check] <quorvex-deal>}"
page="$(cd "$(dirname "$0")/.." && pwd)/docs/command-line.md"

usage="$("$dealer" --help)"
text="# The command line of quorvex-deal

This page is the output of \`quorvex-deal --help\`, written by \`scripts/cli-docs.sh\`; do not edit
it by hand (a test fails when it differs from the program). \`quorvex-deal help COMMAND\` or
\`quorvex-deal COMMAND --help\` shows one command. What the commands do, in more words:
[dealing](dealing.md), [check, convert and audit](check-convert-audit.md).

\`\`\`text
$usage
\`\`\`"

if $check; then
  diff <(printf '%s\n' "$text") "$page" > /dev/null ||
    { echo "$page is out of date: run scripts/cli-docs.sh $dealer" >&2; exit 1; }
  echo "command-line docs: up to date"
else
  printf '%s\n' "$text" > "$page"
fi
