#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above or beside its own, or when a
# file of the Qt-free core includes a Qt header. The layers, lowest first:
#   common <- hash <- engine <- formats, analysis <- run <- cli, app
#   common <- entropy <- run, entropy_dialog
#   common <- widgets <- entropy_dialog <- app    (widgets, entropy_dialog and app use Qt)
# Usage: scripts/check-layers.sh [source root]  (default: the repository)
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"

# Folder, then the folders its files may include from besides their own.
layers=(
  "common:"
  "hash:common"
  "engine:hash common"
  "formats:engine hash common"
  "analysis:engine hash common"
  "entropy:common"
  "run:formats analysis entropy engine hash common"
  "cli:run formats analysis entropy engine hash common"
  "widgets:common"
  "entropy_dialog:widgets entropy common"
  "app:entropy_dialog widgets run formats analysis entropy engine hash common"
)
qt_free="common hash engine formats analysis entropy run cli"

failures=0
report() { echo "layering: $1" >&2; failures=$((failures + 1)); }

for entry in "${layers[@]}"; do
  folder="${entry%%:*}"
  allowed=" $folder ${entry#*:} "
  [ -d "$root/$folder" ] || { report "missing folder $folder"; continue; }
  while IFS= read -r file; do
    while IFS= read -r include; do
      [[ "$allowed" == *" ${include%%/*} "* ]] || report "${file#$root/} includes $include from a layer above or beside"
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    if [[ " $qt_free " == *" $folder "* ]] && grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
      report "${file#$root/} includes Qt in the Qt-free core"
    fi
  done < <(find "$root/$folder" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
done

if [ "$failures" -ne 0 ]; then
  echo "layering: $failures violation(s)" >&2
  exit 1
fi
echo "layering: every include follows the layers"
