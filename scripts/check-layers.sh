#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above or beside its own, or when a
# file of the Qt-free core includes a Qt header. The layers, lowest first:
#   common <- hash <- engine <- formats, analysis <- run <- cli, app
#   common <- entropy <- run;  entropy/dialog <- app  (entropy/dialog and app use Qt)
# Usage: scripts/check-layers.sh [source root]  (default: the repository)
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"

# Folder, then the include prefixes its files may use besides their own folder.
layers=(
  "common:"
  "hash:common/"
  "engine:hash/ common/"
  "formats:engine/ hash/ common/"
  "analysis:engine/ hash/ common/"
  "entropy:common/"
  "run:formats/ analysis/ entropy/ engine/ hash/ common/"
  "cli:run/ formats/ analysis/ entropy/ engine/ hash/ common/"
  "entropy/dialog:entropy/ common/ app/error_display.h app/native_text.h"
  "app:entropy/dialog/ run/ formats/ analysis/ entropy/ engine/ hash/ common/"
)
qt_free="common hash engine formats analysis entropy run cli"

failures=0
report() { echo "layering: $1" >&2; failures=$((failures + 1)); }

# Files directly in a folder and below it, except those of a deeper layer folder.
files_of() {
  local folder="$1" nested=""
  [ "$folder" = entropy ] && nested="$root/entropy/dialog"
  find "$root/$folder" -type f \( -name '*.h' -o -name '*.cpp' \) ${nested:+-not -path "$nested/*"} | sort
}

allowed() {
  local include="$1" folder="$2" prefixes="$3" prefix
  [[ "$include" == "$folder/"* ]] && return 0
  for prefix in $prefixes; do [[ "$include" == "$prefix"* ]] && return 0; done
  return 1
}

for entry in "${layers[@]}"; do
  folder="${entry%%:*}"
  prefixes="${entry#*:}"
  [ -d "$root/$folder" ] || { report "missing folder $folder"; continue; }
  while IFS= read -r file; do
    while IFS= read -r include; do
      # entropy/dialog headers belong to the dialog layer, not to entropy.
      if [ "$folder" = entropy ] && [[ "$include" == entropy/dialog/* ]]; then
        report "${file#$root/} includes $include from a layer above"
      elif ! allowed "$include" "$folder" "$prefixes"; then
        report "${file#$root/} includes $include from a layer above or beside"
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    if [[ " $qt_free " == *" $folder "* ]] && grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
      report "${file#$root/} includes Qt in the Qt-free core"
    fi
  done < <(files_of "$folder")
done

if [ "$failures" -ne 0 ]; then
  echo "layering: $failures violation(s)" >&2
  exit 1
fi
echo "layering: every include follows the layers"
