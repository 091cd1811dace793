#!/usr/bin/env bash
# The setup program under Wine, in a fresh Wine prefix of its own, as a director would use it:
# a silent per-user install; the installed dealer deals byte-identically to the Linux dealer
# in every format, PBN with double dummy and hand records included; the installed window plays
# a session (tests/package/first_session.sh); the uninstaller leaves exactly the director's
# files (main deal file, entropy log, set files, settings); a second install over the first
# and a reinstall after uninstalling both work.
#
# Usage: installer_check.sh <quorvex-<version>-setup.exe> <Linux quorvex-deal>
set -euo pipefail
setup=$(realpath "$1")
linux_dealer=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
fail() { echo "setup on Windows: $*" >&2; exit 1; }

work=$(mktemp -d)
export WINEPREFIX=$work/wine HOME=$work/home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w

windows_variable() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
installed=$(unix_path "$(windows_variable LOCALAPPDATA)\\Programs\\Quorvex")
menu=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Quorvex")
uninstall_key='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex'
run() { "$wine" "$@"; "$wineserver" -w; }

install() {
    run "$setup" /S
    for file in quorvex.exe quorvex-deal.exe uninstall.exe Qt6Core.dll platforms/qwindows.dll licences/Qt-LGPL-3.txt \
        licences/DDS-Apache-2.0.txt; do
        [ -s "$installed/$file" ] || fail "$file was not installed in $installed"
    done
    [ -e "$menu/Quorvex.lnk" ] && [ -e "$menu/Uninstall Quorvex.lnk" ] || fail "no Start Menu entries in $menu"
    local entry
    entry=$("$wine" reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
    for value in DisplayName DisplayVersion Publisher EstimatedSize UninstallString QuietUninstallString; do
        grep -q "^ *$value " <<<"$entry" || fail "Apps & features entry without $value:"$'\n'"$entry"
    done
}

install
echo "setup on Windows: installed silently in %LOCALAPPDATA%\\Programs\\Quorvex ($(du -sh "$installed" | cut -f1))"

# The installed dealer and the Linux dealer: the same files for the same entropy text.
entropy=1000100110021003100410051006100710081009101010111012101310141015101610171018101910201021102210231024102510261027
mkdir -p "$work/windows" "$work/linux"
(cd "$work/windows" && run "$installed/quorvex-deal.exe" --id Club --entropy-text "$entropy" --sets 2 --boards 6 \
    --formats all --double-dummy --hand-records --report report.txt --out . --quiet)
(cd "$work/linux" && "$linux_dealer" --id Club --entropy-text "$entropy" --sets 2 --boards 6 \
    --formats all --double-dummy --hand-records --report report.txt --out . --quiet)
diff -r "$work/linux" "$work/windows" || fail "the installed dealer writes other files than the Linux dealer"
grep -q '^\[OptimumResultTable ' "$work/windows/QVW-01.pbn" || fail "the installed dealer wrote no double dummy"
echo "setup on Windows: installed dealer identical to Linux in every format, double dummy and hand records"

# The installed window plays a session; its main deal file and log stay in its own folder.
output=$(unix_path "$(windows_variable USERPROFILE)\\Documents\\Quorvex")
"$wineserver" -w # a window needs a Wine session started on the display
sh "$here/../package/first_session.sh" "$wine" "$installed/quorvex.exe"
"$wineserver" -w
for file in YourID.qvw Int160.qvs; do
    [ -s "$installed/$file" ] || fail "the installed window wrote no $file in its folder"
done
ls "$output"/*.dlm >/dev/null || fail "the installed window wrote no set files in $output"
echo "setup on Windows: the installed window played a session"

# Installing again over the installed program keeps the director's files.
install
[ -s "$installed/Int160.qvs" ] || fail "installing over the program removed the entropy log"
echo "setup on Windows: installed again over the first install"

# Uninstalling leaves exactly the director's files and settings.
director_files=$(cd "$installed" && ls YourID.qvw Int160.qvs)
outputs=$(ls "$output")
run "$installed/uninstall.exe" /S
sleep 1
"$wineserver" -w
[ "$(ls -A "$installed")" = "$director_files" ] || fail "the uninstaller left or took other files: $(ls -A "$installed")"
[ "$(ls "$output")" = "$outputs" ] || fail "the uninstaller touched the output folder"
[ ! -e "$menu" ] || fail "the uninstaller left the Start Menu folder"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left its Apps & features entry"
"$wine" reg query 'HKEY_CURRENT_USER\Quorvex' >/dev/null 2>&1 || fail "the uninstaller removed the settings"
echo "setup on Windows: uninstalled, the director's files and settings stay"

install
echo "setup on Windows: installed again after uninstalling"
