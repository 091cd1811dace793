#!/usr/bin/env bash
# The real window on Windows, under Wine on a virtual display: a director's session played by
# keys and clicks (tests/package/first_session.sh) with double dummy and hand records chosen
# in the registry beforehand, then checked where a Windows director would look:
#   - the main deal file and the entropy log Int160.qvs in the program's own folder while it is
#     writable, and in %APPDATA%\Quorvex\Quorvex for Windows once it is not (an installed
#     program in a read-only folder, made so with chattr +i; skipped where that is refused);
#   - every setting in HKEY_CURRENT_USER\Quorvex after Quit, read back with Wine's reg;
#   - the set files in the output folder, byte-identical to the Linux dealer's replaying the
#     logged entropy text;
#   - a screenshot of the main window that shows the window (its size and its colours).
# Runs in the Wine prefix of the caller (WINEPREFIX), with no Wine server running.
#
# Usage: window_session.sh <folder of quorvex.exe and its DLLs> <Linux quorvex-deal> <screenshot.png>
set -euo pipefail
program_folder=$(realpath "$1")
linux_dealer=$2
screenshot=$3
here=$(cd "$(dirname "$0")" && pwd)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
fail() { echo "window on Windows: $*" >&2; exit 1; }

unix_path() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
app_data=$(unix_path "$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Quorvex/Quorvex\ for\ Windows
"$wineserver" -w
output=$(mktemp -d)
trap 'chattr -i "$program_folder" 2>/dev/null || true; rm -rf "$output"' EXIT

# Two sets of eight boards in every format, with double dummy and hand records, written to a
# folder of the test's own; the window stores the other settings itself.
key='HKEY_CURRENT_USER\Quorvex'
"$wine" reg delete "$key" /f >/dev/null 2>&1 || true
for value in NumberSets:2 BoardsPerSet:8 DoubleDummySelected:1 HandRecordsSelected:1; do
    "$wine" reg add "$key" /v "${value%%:*}" /t REG_DWORD /d "${value#*:}" /f >/dev/null
done
"$wine" reg add "$key" /v OutputFolder /t REG_SZ /d "$("$wine" winepath -w "$output" 2>/dev/null | tr -d '\r')" /f \
    >/dev/null
"$wineserver" -w

session() { # <folder where the main deal file and the log must appear> [screenshot]
    local expected=$1
    QUORVEX_SCREENSHOT=${2:-} sh "$here/../package/first_session.sh" "$wine" "$program_folder/quorvex.exe"
    "$wineserver" -w
    for file in YourID.qvw Int160.qvs; do
        [ -s "$expected/$file" ] || fail "$file is not in $expected"
    done
}

# The program folder is writable: the program keeps its files beside itself.
session "$program_folder" "$screenshot"
read -r width height colours < <(identify -format '%w %h %k\n' "$screenshot")
[ "$width" -ge 400 ] && [ "$height" -ge 300 ] && [ "$colours" -ge 16 ] ||
    fail "the screenshot does not show the main window ($width x $height, $colours colours)"
echo "window on Windows: main window shown ($width x $height, $colours colours)"

# Every setting is in the registry after Quit.
settings=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for value in BoardsPerSet NumberSets OutputFolder AnalysisSelected DoubleDummySelected HandRecordsSelected; do
    grep -q "^ *$value " <<<"$settings" || fail "the registry has no $value after Quit:"$'\n'"$settings"
done
[ "$(grep -c 'REG_' <<<"$settings")" -ge 12 ] || fail "the registry holds too few values:"$'\n'"$settings"
echo "window on Windows: $(grep -c 'REG_' <<<"$settings") values in $key after Quit"

# The Linux dealer replaying the logged entropy text writes the same files.
replay=$(mktemp -d)
"$linux_dealer" --entropy-text "$(tail -n 1 "$program_folder/Int160.qvs" | tr -d '\r\n')" --sets 2 --boards 8 \
    --formats all --double-dummy --hand-records --out "$replay" --quiet
cmp "$program_folder/YourID.qvw" "$replay/YourID.qvw" || fail "the main deal file differs from the Linux dealer's"
written=$(cd "$output" && ls)
[ "$(wc -w <<<"$written")" -ge 14 ] || fail "the window wrote too few set files: $written"
for file in $written; do
    cmp "$output/$file" "$replay/$file" || fail "$file differs from the Linux dealer's"
done
rm -rf "$replay"
echo "window on Windows: $(wc -w <<<"$written") set files with double dummy, identical to the Linux dealer's"

# The program folder is read-only: the per-user application data folder takes the files.
if chattr +i "$program_folder" 2>/dev/null; then
    before=$(ls -l --time-style=+%s.%N "$program_folder")
    rm -rf "$output" && mkdir "$output"
    session "$app_data"
    [ "$(ls -l --time-style=+%s.%N "$program_folder")" = "$before" ] || fail "the program wrote into its read-only folder"
    chattr -i "$program_folder"
    echo "window on Windows: read-only program folder, files in %APPDATA%\\Quorvex\\Quorvex for Windows"
else
    echo "window on Windows: read-only program folder not checked (chattr +i refused here)"
fi
