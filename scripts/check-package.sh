#!/usr/bin/env bash
# Checks the Debian package built by scripts/package.sh without installing it: lintian, the
# menu entry and AppStream metadata, then the unpacked programs themselves. The unpacked
# dealer must write exactly the build tree's files; the unpacked window must pass the smoke
# run and, run by an ordinary user through a whole first session, keep its main deal file
# and entropy log in that user's data folder, never beside the executable.
#
# Usage: scripts/check-package.sh [configure preset]  (the build that was packaged; default release)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}

deb=$(ls build/package/quorvex_*_amd64.deb)
lintian --fail-on error "$deb"

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work" # the ordinary user below must reach the unpacked programs
dpkg-deb -x "$deb" "$work/root"
bin=$work/root/usr/bin
desktop-file-validate "$work/root/usr/share/applications/quorvex.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.quorvex.Quorvex.metainfo.xml"

built_dealer=build/$preset/cli/quorvex-deal
[ "$("$bin/quorvex-deal" --version)" = "$("$built_dealer" --version)" ]
# Every option of the dealer's --help is in its manual page.
# (The page is read once: grep -q leaving a pipe early would fail the pipeline under pipefail.)
manual_page=$(zcat "$work/root/usr/share/man/man1/quorvex-deal.1.gz" | sed 's/\\-/-/g')
for option in $("$bin/quorvex-deal" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -q -- "$option" <<<"$manual_page" || { echo "the manual page lacks $option" >&2; exit 1; }
done

entropy=2000200120022003200420052006200720082009201020112012201320142015201620172018201920202021202220232024202520262027202820292030203120322033203420352036203720382039-58-987654321
deal() { # <dealer> <output folder>
    mkdir "$2"
    "$1" --id Package --entropy-text "$entropy" --sets 2 --boards 4 --report "$2/report.txt" --out "$2" --quiet
}
deal "$bin/quorvex-deal" "$work/unpacked-deal"
deal "$built_dealer" "$work/built-deal"
diff -r "$work/unpacked-deal" "$work/built-deal"
echo "unpacked dealer: same files as the build tree's"

sh tests/app/smoke_test.sh "$bin/quorvex"

# An ordinary user's first session, with the programs' folder writable to that user: the
# program still keeps its files in the user's data folder (installed, the folder is root's).
home=$work/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$home" "$bin"
    as_user=(runuser -u nobody --)
fi
"${as_user[@]}" env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" \
    sh tests/package/first_session.sh "$bin/quorvex"
data="$home/.local/share/Quorvex/Quorvex for Windows"
for file in YourID.qvw Int160.qvs; do
    [ -s "$data/$file" ] || { echo "$file is not in the per-user data folder $data" >&2; exit 1; }
done
[ "$(ls -A "$bin")" = "$(printf 'quorvex\nquorvex-deal')" ] ||
    { echo "the program wrote beside its executable: $(ls -A "$bin")" >&2; exit 1; }
[ -n "$(find "$home" -name '*.dlm' -print -quit)" ] || { echo "the session wrote no set files" >&2; exit 1; }
echo "unpacked window: main deal file and entropy log in the per-user data folder"
