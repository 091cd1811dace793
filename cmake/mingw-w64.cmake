# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# posix thread model, which std::thread and std::mutex need). Programs link the compiler's
# runtime statically, so the dealer runs alone without the compiler's DLLs, and run under
# Wine on this machine (tests, test discovery). The DDS solver and Qt come from the cache that
# scripts/build-windows-deps.sh fills from Debian's source packages.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

# libstdc++, libgcc and winpthread all linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The cache folders of the solver and of Qt, as the script that builds them names them; try
# compiles see the same values.
foreach(dependency dds qt)
  if(NOT QUORVEX_WINDOWS_${dependency})
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-windows-deps.sh --prefix ${dependency}
                    OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(QUORVEX_WINDOWS_${dependency} ${prefix} CACHE PATH "${dependency} for Windows")
  endif()
endforeach()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVEX_WINDOWS_dds QUORVEX_WINDOWS_qt)

if(EXISTS ${QUORVEX_WINDOWS_dds}/.complete)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEX_WINDOWS_dds})
endif()
# Qt's host tools (moc, rcc) are Debian's own Qt of the same version.
if(EXISTS ${QUORVEX_WINDOWS_qt}/.complete)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVEX_WINDOWS_qt})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# Programs run under Wine, with Qt's DLLs and the compiler's runtime DLLs on Wine's search path.
find_program(QUORVEX_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QUORVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env QUORVEX_WINE=${QUORVEX_WINE} ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh
                                    ${QUORVEX_WINDOWS_qt})
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
