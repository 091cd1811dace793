# GoogleTest for the test programs: Debian's prebuilt libraries, or, where none fits the
# target (the Windows cross-build), built here from Debian's source package.
set(QUORVEX_GTEST_SOURCE_DIR "" CACHE PATH "Build GoogleTest from this source folder (e.g. /usr/src/googletest)")

if(QUORVEX_GTEST_SOURCE_DIR)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUORVEX_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Recent GoogleTest names its targets GTest::* itself.
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
