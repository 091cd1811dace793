#!/bin/sh
# Runs a cross-built Windows program under Wine (the build's emulator for tests and test
# discovery) with Qt's DLLs and the compiler's runtime DLLs, which Qt's link, on Wine's search
# path. Wine's list separator is ';', which a CMake list cannot carry, hence this wrapper.
# Wine keeps the environment's QT_ variables (meant for Linux's Qt) from Windows programs and
# passes WINEQT_ ones on as QT_, so the tests' QT_QPA_PLATFORM=offscreen goes that way.
# Usage: wine-run.sh <Qt for Windows folder> <program.exe> [arguments...]
qt=$1
shift
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$variable=\"\$$variable\""
done
WINEPATH="$qt/bin;/usr/lib/gcc/x86_64-w64-mingw32/12-posix;/usr/x86_64-w64-mingw32/lib" exec "$QUORVEX_WINE" "$@"
