#!/usr/bin/env bash
# Builds the Debian package build/package/quorvex_<version>_amd64.deb from the optimised
# build: the two programs, their manual pages, the menu entry, the icons and the AppStream
# metadata. Install it with: apt install ./build/package/quorvex_*.deb
# With the preset windows it builds the Windows setup program instead
# (build/package/quorvex-<version>-setup.exe, see scripts/package-windows.sh).
#
# Usage: scripts/package.sh [configure preset]  (default release; CI packages its own build)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
[ "$preset" != windows ] || exec scripts/package-windows.sh

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset" --target quorvex quorvex-deal quorvex_install_files
rm -rf build/package
cpack --config "build/$preset/CPackConfig.cmake" -B build/package
ls build/package/quorvex_*_amd64.deb
