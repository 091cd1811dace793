#!/usr/bin/env bash
# Installs every package needed to build, run and test Quorvex on Debian 12.
# Run as root (or with sudo available); packages already present are skipped.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format
  # double-dummy tables and par (the DDS solver library)
  libdds-dev
  # core tests and benchmarks
  googletest libgtest-dev libbenchmark-dev time
  # the audit's chi-squared distribution
  libboost-math-dev
  # fuzz targets of the file readers (libFuzzer with the sanitizers)
  clang libclang-rt-14-dev
  # desktop program (Qt 6 Widgets, printing, the JPEG plugin that decodes with libjpeg)
  qt6-base-dev qt6-base-dev-tools libqt6gui6 libgl-dev libjpeg62-turbo
  # window tests: a virtual X display, window listing and PDF text checks, a window manager
  # that offers minimise on every window, and the tool that drives it
  xvfb xauth x11-utils poppler-utils fonts-dejavu-core openbox xdotool
  # hand-record tests: the documents are printed to PDF by a real browser
  chromium
  # fuzz targets: clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev libfuzzer-14-dev
  # Debian package: manual page, dependencies from the shared libraries, package and metadata checks,
  # and driving the installed program's window
  help2man dpkg-dev file lintian appstream desktop-file-utils xdotool
  # screenshots of the window (ImageMagick's import)
  imagemagick
  # Windows: cross-compiler (posix threads) and Wine to run the cross-built tests and programs,
  # with Wine's own Tahoma for the window's text; Debian's signing keys to fetch the sources of
  # Qt and the solver for Windows; NSIS for the setup program
  g++-mingw-w64-x86-64-posix wine64 fonts-wine debian-archive-keyring nsis
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build and test dependencies are installed."
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
