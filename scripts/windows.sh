#!/usr/bin/env bash
# Quorvex on Windows, cross-built with MinGW-w64 and run under Wine, headless, in a Wine prefix
# of its own:
#   - the core, the dealer (with double dummy) and their tests; the dealer's files for fixed
#     identities, entropy texts and settings must be byte-identical to the Linux dealer's, its
#     failures must carry the same texts and exit statuses, and the paths it prints are joined
#     with backslashes;
#   - when Qt for Windows is in the cache (scripts/build-windows-deps.sh qt, about half an hour
#     once per machine): the window and its Qt tests, a director's session in the real window
#     (tests/windows/window_session.sh), and the setup program built and checked
#     (tests/windows/installer_check.sh).
# The solver for Windows is small and always built (from the cache when there).
#
# Usage: scripts/windows.sh [configure preset of the Linux dealer]  (default release)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}

scripts/build-windows-deps.sh dds
window=OFF
if [ -e "$(scripts/build-windows-deps.sh --prefix qt)/.complete" ]; then
    window=ON
else
    echo "NOT RUN: the window, its tests under Wine and the setup program need Qt for Windows;" \
        "build it once with scripts/build-windows-deps.sh qt (about 30 minutes on 2 cores)."
fi
cmake --preset windows -DQUORVEX_BUILD_GUI=$window
cmake --build --preset windows
cmake --preset "$preset"
cmake --build --preset "$preset" --target quorvex-deal
linux_dealer=$PWD/build/$preset/cli/quorvex-deal
windows_dealer=$PWD/build/windows/cli/quorvex-deal.exe

work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
# One Wine session for the whole check: a persistent server with Wine's own services started
# once, so that no test program waits for them (test discovery allows five seconds). It is
# stopped before its prefix is removed.
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot --init

# The core tests and the dealer's end-to-end tests, each run under Wine (the toolchain names
# Wine as the tests' emulator).
ctest --preset windows

# Runs both dealers with the same arguments, each in a fresh folder of its own (holding a copy
# of the files in $inputs, when set) where the arguments name relative paths; their files,
# exit statuses and messages must agree.
case_number=0
inputs=
compare() {
    case_number=$((case_number + 1))
    local linux=$work/linux-$case_number windows=$work/windows-$case_number status
    mkdir "$linux" "$windows"
    if [ -n "$inputs" ]; then cp -r "$inputs/." "$linux" && cp -r "$inputs/." "$windows"; fi
    status=0
    (cd "$linux" && mkdir out work && "$linux_dealer" "$@" >stdout.txt 2>stderr.txt) || status=$?
    echo "$status" >"$linux/status.txt"
    status=0
    (cd "$windows" && mkdir out work && "$wine" "$windows_dealer" "$@" >stdout.txt 2>stderr.txt) || status=$?
    echo "$status" >"$windows/status.txt"
    # The console turns line ends into CR LF on Windows, and paths in messages are joined
    # with backslashes there; files are compared byte for byte.
    sed -i 's/\r$//' "$windows/stdout.txt" "$windows/stderr.txt"
    sed -i 's|/|\\|g' "$linux/stderr.txt"
    diff -r "$linux" "$windows" || { echo "Windows and Linux dealers differ: $*" >&2; exit 1; }
    echo "dealer case $case_number: same files and messages on Windows and Linux, exit $(cat "$linux/status.txt")"
}

entropy_a=1000100110021003100410051006100710081009101010111012101310141015101610171018101910201021102210231024102510261027102810291030103110321033103410351036103710381039-77-123456789
entropy_b=31415926535897932384-6264338327950288419716939937510582097494459230781640628620899862803482534211706798214808651-328230664709384460955058223172535940812848111745028410270193852110555964462294895493038196
compare --id "Club Night" --entropy-text "$entropy_a" --sets 3 --boards 32 --first-set 7 --out out --work-dir work \
    --report out/report.txt --quiet
compare --id Pairs-2 --entropy-text "$entropy_b" --sets 2 --boards 24 --skip-boards 5 --name Ev- --formats dlm,df \
    --out out --work-dir work --quiet
compare --id Teams --entropy-text "$entropy_b" --test-mode --sets 1 --boards 1000 --formats dup,bri,dge --analysis \
    --out out --work-dir work --quiet
compare --id Hands --entropy-text "$entropy_a" --sets 2 --boards 6 --formats all --hand-records --out out \
    --work-dir work --quiet
compare --id Solved --entropy-text "$entropy_b" --sets 2 --boards 5 --formats pbn --double-dummy --hand-records \
    --report out/report.txt --out out --work-dir work --quiet
compare --entropy-text "$entropy_a" --boards 4 --out missing --work-dir work --quiet
compare --entropy-text "$entropy_a" --sets 0 --out out --quiet

# Reading deal files back: a set dealt on Linux in every format, with one board copied over
# another in its PBN file, is checked, converted and audited alike by both dealers.
inputs=$work/inputs
mkdir -p "$inputs"
"$linux_dealer" --entropy-text "$entropy_b" --boards 16 --formats all --out "$inputs" --work-dir "$inputs" --quiet
mkdir "$inputs/broken"
sed '/^\[Board "3"\]/,/^\[Deal /{s/^\[Deal .*/'"$(grep -m1 '^\[Deal ' "$inputs/QVW-01.pbn")"'/}' \
    "$inputs/QVW-01.pbn" >"$inputs/broken/QVW-01.pbn"
compare check QVW-01.dlm QVW-01.dup QVW-01.bri QVW-01.dge QVW-01.txt QVW-01.pbn YourID.qvw
compare check broken/QVW-01.pbn
compare convert QVW-01.pbn --formats all --name Copy- --first-set 5 --out out --quiet
compare audit YourID.qvw
inputs=

# Fresh entropy from Windows' own generator: logged as one CR LF line in the work folder,
# and the Linux dealer replaying the logged text writes the same files.
(cd "$work" && mkdir fresh-windows fresh-linux &&
    "$wine" "$windows_dealer" --id Fresh --sets 2 --boards 8 --out fresh-windows >fresh.txt)
sed -i 's/\r$//' "$work/fresh.txt"
grep -qxF 'Wrote fresh-windows\QVW-01.dlm' "$work/fresh.txt" ||
    { echo "the Windows dealer does not join paths with backslashes:" >&2; cat "$work/fresh.txt" >&2; exit 1; }
log=$work/fresh-windows/Int160.qvs
[ "$(wc -l <"$log")" -eq 1 ] && [ "$(tail -c 2 "$log" | od -An -c | tr -d ' ')" = '\r\n' ] ||
    { echo "the entropy log is not one CR LF line" >&2; exit 1; }
"$linux_dealer" --id Fresh --entropy-text "$(tr -d '\r\n' <"$log")" --sets 2 --boards 8 --out "$work/fresh-linux" \
    --quiet
rm "$log"
diff -r "$work/fresh-windows" "$work/fresh-linux"
echo "fresh entropy on Windows: logged and replayed identically on Linux"

[ $window = ON ] || exit 0

# The window: a director's session under Wine on a virtual display, with the program folder
# writable and then read-only; then the setup program, in a fresh prefix of its own.
"$wineserver" -k
program=$work/program
mkdir "$program"
scripts/package.sh windows
cp -r build/package/windows/. "$program"
rm "$program"/*.nsh
tests/windows/window_session.sh "$program" "$linux_dealer" build/windows/main-window.png
tests/windows/installer_check.sh build/package/quorvex-*-setup.exe "$linux_dealer"
