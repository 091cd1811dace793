#!/usr/bin/env bash
# Builds Qt and the DDS solver for Windows from Debian's own source packages with the
# MinGW-w64 posix compiler, and keeps each in a per-user cache folder named after the package
# version and a digest of the compiler and the build options, so a second run takes seconds.
# Nothing is downloaded from anywhere but Debian's archive, through an apt configuration
# private to this script (the system's sources stay as they are). A folder counts as built
# only once its ".complete" mark is written, the last step; one without it is built afresh.
#
# Usage: scripts/build-windows-deps.sh [qt] [dds]   builds what is named (default: both)
#        scripts/build-windows-deps.sh --prefix qt|dds
#                                                   prints the cache folder, built or not
#
# Qt from scratch takes about half an hour on two cores; the solver about two minutes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quorvex
compilers=$root/cmake/mingw-w64-compilers.cmake
jobs=$(nproc)

package_version() { dpkg-query -W -f='${Version}' "$1"; }
qt_version=$(package_version qt6-base-dev)
dds_version=$(package_version libdds-dev)
compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpversion 2>/dev/null || echo none)

# Qt: the host tools are Debian's installed Qt of the same version. Tablet events are off
# because Debian's source lacks the Windows tablet header; OpenGL stays on, without it the
# Windows platform plugin does not compile.
qt_options=(
  -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_system_zlib=OFF -DFEATURE_tabletevent=OFF
)
# The solver: a static library with Windows threads, linked into both programs.
dds_options=(-O3 -DNDEBUG -DDDS_THREADS_WINAPI -D_WIN32_WINNT=0x0601)

key() { # <name> <version> <options...>
    local name=$1 version=$2
    shift 2
    local digest
    digest=$({ echo "$compiler_version"; cat "$compilers"; printf '%s\n' "$@"; } | sha256sum | cut -c1-12)
    echo "$cache/windows-$name-$version-$digest"
}
qt_prefix=$(key qt "$qt_version" "${qt_options[@]}")
dds_prefix=$(key dds "$dds_version" "${dds_options[@]}" "$(cat "$root/cmake/dds-windows/CMakeLists.txt")")

if [ "${1:-}" = --prefix ]; then
    case ${2:-} in
    qt) echo "$qt_prefix" ;;
    dds) echo "$dds_prefix" ;;
    *) echo "usage: $0 --prefix qt|dds" >&2; exit 2 ;;
    esac
    exit 0
fi

# Fetches a source package of the given version into the current folder. apt verifies each
# file against Debian's signed index. Debian's packaging part (debian.tar) is not needed to
# build for Windows, so a source whose packaging part the archive no longer serves still builds
# from its verified upstream tarball.
fetch_source() { # <package> <version>
    local apt=$PWD/apt
    mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial"
    cat >"$apt/sources/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    local options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/sources"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root -q)
    [ -e "$apt/lists/updated" ] || { apt-get "${options[@]}" update >/dev/null && touch "$apt/lists/updated"; }
    apt-get "${options[@]}" source --download-only "$1=$2" >/dev/null 2>apt-errors.txt || true
    local orig
    orig=$(ls "$1"_*.orig.tar.* 2>/dev/null | head -1)
    if [ -z "$orig" ] || ! grep -q "$(sha256sum "$orig" | cut -d' ' -f1) .* $orig\$" "$1_$2.dsc"; then
        echo "Could not fetch the source of $1 $2 from Debian's archive:" >&2
        cat apt-errors.txt >&2
        exit 1
    fi
    echo "$orig"
}

# Runs a build step in a scratch folder and marks the prefix complete only when it succeeded.
build() { # <name> <prefix> <function>
    local name=$1 prefix=$2
    if [ -e "$prefix/.complete" ]; then
        echo "$name for Windows: cached in $prefix"
        return
    fi
    rm -rf "$prefix"
    mkdir -p "$prefix"
    local scratch
    scratch=$(mktemp -d "$cache/build-$name.XXXXXX")
    local start=$SECONDS
    (cd "$scratch" && "$3" "$prefix")
    rm -rf "$scratch"
    touch "$prefix/.complete"
    echo "$name for Windows: built in $((SECONDS - start)) s into $prefix"
}

build_qt() { # <prefix>
    local orig
    orig=$(fetch_source qt6-base "$qt_version")
    mkdir source
    tar -xf "$orig" -C source --strip-components=1
    # Qt records the toolchain it was built with; a copy in the prefix keeps that path valid.
    cp "$compilers" "$1/mingw-w64-compilers.cmake"
    cmake -S source -B build "${qt_options[@]}" -DCMAKE_TOOLCHAIN_FILE="$1/mingw-w64-compilers.cmake" \
        -DCMAKE_INSTALL_PREFIX="$1" >configure.log
    cmake --build build --parallel "$jobs"
    cmake --install build >/dev/null
}

build_dds() { # <prefix>
    local orig
    orig=$(fetch_source dds "$dds_version")
    mkdir source
    tar -xf "$orig" -C source --strip-components=1
    cmake -S "$root/cmake/dds-windows" -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DDDS_SOURCE_DIR="$PWD/source" \
        -DCMAKE_TOOLCHAIN_FILE="$compilers" -DCMAKE_INSTALL_PREFIX="$1" -DDDS_FLAGS="${dds_options[*]}" >configure.log
    cmake --build build --parallel "$jobs"
    cmake --install build >/dev/null
}

mkdir -p "$cache"
components=("$@")
[ ${#components[@]} -gt 0 ] || components=(qt dds)
for component in "${components[@]}"; do
    case $component in
    qt) build Qt "$qt_prefix" build_qt ;;
    dds) build DDS "$dds_prefix" build_dds ;;
    *) echo "usage: $0 [qt] [dds] | --prefix qt|dds" >&2; exit 2 ;;
    esac
done
