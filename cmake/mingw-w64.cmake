# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# posix thread model, which std::thread and std::mutex need). Programs are linked statically,
# so an .exe runs alone without the compiler's DLLs, and run under Wine on this machine
# (tests, test discovery).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread all linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(QUORVEX_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QUORVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEX_WINE})
endif()

# GCC 12's libstdc++ trips its own -Wrestrict check in inlined string concatenation at -O3
# (GCC bug 105329); the warning says nothing about this code.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Boost.Math (the audit's p-values) is header-only and the same for every target: the
# cross-build uses Debian's headers (libboost-math-dev) through a folder that holds only them,
# so no Linux system header can be picked up in their place.
set(quorvex_boost_headers ${CMAKE_BINARY_DIR}/boost-headers)
if(NOT EXISTS ${quorvex_boost_headers}/boost)
  file(MAKE_DIRECTORY ${quorvex_boost_headers})
  file(CREATE_LINK /usr/include/boost ${quorvex_boost_headers}/boost SYMBOLIC)
endif()
set(Boost_NO_BOOST_CMAKE ON)
set(Boost_INCLUDE_DIR ${quorvex_boost_headers} CACHE PATH "Boost headers for the Windows build")
