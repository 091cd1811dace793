#!/usr/bin/env bash
# The layering check must fail on each kind of violation and pass a tree that has none.
set -euo pipefail
check="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
for folder in common hash engine formats analysis entropy entropy/dialog run cli app; do mkdir -p "$root/$folder"; done

echo '#include "common/paths.h"' > "$root/engine/fine.cpp"
echo '#include "entropy/entropy_text.h"' > "$root/entropy/dialog/fine.cpp"
"$check" "$root" > /dev/null

expect_failure() {
  local file="$1" line="$2"
  echo "$line" > "$root/$file"
  if "$check" "$root" 2> /dev/null; then echo "not caught: $file: $line" >&2; exit 1; fi
  rm "$root/$file"
}
expect_failure engine/upward.cpp '#include "formats/dlm_writer.h"'
expect_failure formats/sideways.h '#include "analysis/board_analysis.h"'
expect_failure entropy/dialog_from_core.cpp '#include "entropy/dialog/entropy_form.h"'
expect_failure entropy/app_from_core.cpp '#include "app/error_display.h"'
expect_failure run/qt.cpp '#include <QString>'
expect_failure common/upward.h '#include "hash/digest.h"'
echo "every violation was caught"
