#!/usr/bin/env bash
# The layering check must fail on each kind of violation and pass a tree that has none.
set -euo pipefail
check="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
for folder in common hash engine formats analysis entropy run cli widgets entropy_dialog app; do
  mkdir -p "$root/$folder"
done

echo '#include "common/paths.h"' > "$root/engine/fine.cpp"
echo '#include "entropy/entropy_text.h"' > "$root/entropy_dialog/fine.cpp"
echo '#include "widgets/error_display.h"' > "$root/entropy_dialog/shared.cpp"
echo '#include <QString>' > "$root/widgets/qt.h"
"$check" "$root" > /dev/null

expect_failure() {
  local file="$1" line="$2"
  echo "$line" > "$root/$file"
  if "$check" "$root" 2> /dev/null; then echo "not caught: $file: $line" >&2; exit 1; fi
  rm "$root/$file"
}
expect_failure engine/upward.cpp '#include "formats/dlm_writer.h"'
expect_failure formats/sideways.h '#include "analysis/board_analysis.h"'
expect_failure entropy/dialog_from_core.cpp '#include "entropy_dialog/entropy_form.h"'
expect_failure entropy/widgets_from_core.cpp '#include "widgets/error_display.h"'
expect_failure widgets/dialog_from_below.cpp '#include "entropy_dialog/entropy_form.h"'
expect_failure entropy_dialog/app_from_below.cpp '#include "app/main_window.h"'
expect_failure entropy_dialog/run_beside.cpp '#include "run/generation_run.h"'
expect_failure run/qt.cpp '#include <QString>'
expect_failure common/upward.h '#include "hash/digest.h"'
expect_failure common/prefix.h '#include "commonplace/x.h"'
echo "every violation was caught"
