#!/usr/bin/env bash
# Builds the Windows setup program build/package/quorvex-<version>-setup.exe with NSIS from the
# Windows cross-build (preset windows, which needs Qt for Windows in the cache, see
# scripts/build-windows-deps.sh): the two programs, the Qt DLLs and plugins they load, the
# compiler's runtime DLLs that Qt's DLLs link, and the licence texts of everything shipped.
# Called by scripts/package.sh windows.
set -euo pipefail
cd "$(dirname "$0")/.."

qt=$(scripts/build-windows-deps.sh --prefix qt)
dds=$(scripts/build-windows-deps.sh --prefix dds)
[ -e "$qt/.complete" ] || { echo "Qt for Windows is not built: run scripts/build-windows-deps.sh qt (about half an hour)" >&2; exit 1; }
scripts/build-windows-deps.sh dds >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target quorvex quorvex-deal
build=build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

stage=build/package/windows
rm -rf "$stage" build/package/quorvex-*-setup.exe
mkdir -p "$stage/licences"
cp "$build/app/quorvex.exe" "$build/cli/quorvex-deal.exe" "$stage/"

# The plugins the window loads: the Windows platform, its native style and the
# JPEG decoder of the about box's picture.
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg; do
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin.dll" "$stage/$plugin.dll"
done

# Every DLL that the programs and plugins import, followed to the end, taken from Qt or the
# compiler's runtime; Windows' own DLLs are not shipped.
runtime_dirs=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
imports_of() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
pending=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    for dll in $(imports_of "$file"); do
        [ -e "$stage/$dll" ] && continue
        for dir in "${runtime_dirs[@]}"; do
            if [ -e "$dir/$dll" ]; then
                cp "$dir/$dll" "$stage/$dll"
                pending+=("$stage/$dll")
                break
            fi
        done
    done
done

# Licences: the program's own, Qt's (the LGPL and the notices of the libraries Qt bundles,
# as Debian's copyright file of the same source lists them), the solver's and the compiler
# runtime's.
cp packaging/copyright "$stage/licences/Quorvex.txt"
cp /usr/share/doc/libqt6core6/copyright "$stage/licences/Qt-notices.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/licences/Qt-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licences/Qt-GPL-3.txt"
cp "$dds/share/licenses/dds/LICENSE" "$stage/licences/DDS-Apache-2.0.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licences/MinGW-w64-runtime.txt"

# The icon for Apps & features and the setup program: the program's own picture in a .ico,
# which holds it as PNG.
icon=app/resources/quorvex.png
size=$(stat -c %s "$icon")
dimension() { local d; d=$(od -An -tu4 --endian=big -j "$1" -N4 "$icon" | tr -d ' '); echo $((d >= 256 ? 0 : d)); }
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
{ le16 0; le16 1; le16 1; le16 $(($(dimension 16) | $(dimension 20) << 8)); le16 0; le16 1; le16 32; le32 "$size"; le32 22; cat "$icon"; } >"$stage/quorvex.ico"

# The lists of files for the installer and, in reverse, for the uninstaller; the uninstaller
# removes these by name and each folder only when it is then empty.
(
    cd "$stage"
    find . -type f ! -name '*.nsh' ! -name quorvex.ico ! -name files.txt | sed 's|^\./||' | sort >files.txt
    while read -r file; do
        dir=$(dirname "$file")
        [ "$dir" = . ] && dir= || dir="\\${dir//\//\\}"
        echo "SetOutPath \"\$INSTDIR$dir\""
        echo "File \"\${STAGE}\\${file//\//\\}\""
    done <files.txt >install-files.nsh
    { sed 's|/|\\|g; s|^|Delete "$INSTDIR\\|; s|$|"|' files.txt
      grep / files.txt | xargs -n1 dirname | sort -ru | sed 's|/|\\|g; s|^|RMDir "$INSTDIR\\|; s|$|"|'; } >uninstall-files.nsh
    rm files.txt
)
size_kb=$(du -sk --exclude='*.nsh' "$stage" | cut -f1)
out=build/package/quorvex-$version-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$(realpath "$stage")" -DOUTFILE="$(realpath -m "$out")" -DSIZE_KB="$size_kb" \
    packaging/windows/quorvex.nsi
echo "$out: $(du -h "$out" | cut -f1), installs $((size_kb / 1024)) MiB"
