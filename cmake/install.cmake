# Installation into the Debian file-system layout: the programs with their manual pages, and
# for the desktop program its menu entry, icon sizes and AppStream metadata.
# scripts/package.sh turns this into a Debian package (cmake/debian_package.cmake).
if(WIN32)
  return() # the Windows builds are not packaged
endif()
include(GNUInstallDirs)

# The package installs only what scripts/package.sh built, not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QUORVEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUORVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvex)
set(quorvex_install_files)

# Debian ships manual pages and changelogs compressed, without a time stamp in the header
# so that the same sources give the same package.
function(quorvex_gzip source result)
  get_filename_component(name ${source} NAME)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gz
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${source} ${gz}
    DEPENDS ${source}
    VERBATIM)
  set(${result} ${gz} PARENT_SCOPE)
  set(quorvex_install_files ${quorvex_install_files} ${gz} PARENT_SCOPE)
endfunction()

install(TARGETS quorvex-deal RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The dealer's manual page is made from its own --help, so it always lists the real options.
find_program(QUORVEX_HELP2MAN help2man REQUIRED)
set(deal_manpage ${CMAKE_CURRENT_BINARY_DIR}/quorvex-deal.1)
add_custom_command(
  OUTPUT ${deal_manpage}
  COMMAND ${QUORVEX_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
          "--name=deal random bridge boards for card-dealing machines"
          --include=${QUORVEX_PACKAGING_DIR}/quorvex-deal.h2m --output=${deal_manpage} $<TARGET_FILE:quorvex-deal>
  DEPENDS quorvex-deal ${QUORVEX_PACKAGING_DIR}/quorvex-deal.h2m
  VERBATIM)
quorvex_gzip(${deal_manpage} deal_manpage_gz)
install(FILES ${deal_manpage_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(QUORVEX_BUILD_GUI)
  install(TARGETS quorvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  quorvex_gzip(${QUORVEX_PACKAGING_DIR}/quorvex.1 program_manpage_gz)
  install(FILES ${program_manpage_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${QUORVEX_PACKAGING_DIR}/quorvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${QUORVEX_PACKAGING_DIR}/org.quorvex.Quorvex.metainfo.xml.in org.quorvex.Quorvex.metainfo.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.quorvex.Quorvex.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Every hicolor size is scaled at build time from the icon the program shows.
  add_executable(scale_icon ${QUORVEX_PACKAGING_DIR}/scale_icon.cpp)
  target_link_libraries(scale_icon PRIVATE Qt6::Gui)
  set(icon_source ${PROJECT_SOURCE_DIR}/app/resources/quorvex.png)
  foreach(size 16 22 24 32 48 64 128 256)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/quorvex.png)
    add_custom_command(
      OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
      COMMAND scale_icon ${icon_source} ${size} ${icon}
      DEPENDS scale_icon ${icon_source}
      VERBATIM)
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND quorvex_install_files ${icon})
  endforeach()
endif()

include(cmake/debian_package.cmake)

# Everything generated for installation, built by scripts/package.sh before CPack runs.
add_custom_target(quorvex_install_files ALL DEPENDS ${quorvex_install_files})
