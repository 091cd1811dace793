# The Debian package quorvex_<version>_amd64.deb, made by CPack from the install rules.
# Its dependencies are computed from the shared libraries the programs link
# (dpkg-shlibdeps), never listed by hand. Built by scripts/package.sh.
set(QUORVEX_PACKAGE_CONTACT "Quorvex developers <quorvex@example.org>"
    CACHE STRING "Maintainer of the Debian package: name and e-mail address")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORVEX_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "deal random bridge boards for duplicate tournaments")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvex deals random contract-bridge boards for duplicate tournaments and
writes the files card-dealing machines and the Deep Finesse double-dummy
analyser read: Duplimate .dlm and .dup, the .bri and .dge record files and a
Deep Finesse text file, one file per set. An optional analysis compares the
boards with their expected percentages.
.
The package holds the desktop program quorvex and the command-line dealer
quorvex-deal, which runs the same code for scripted events and audits.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for tournament directors, not a game to play: it belongs in utils, not games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian's documentation files: the copyright and, for a package made by its own upstream,
# a compressed changelog.
configure_file(${QUORVEX_PACKAGING_DIR}/changelog.in changelog @ONLY)
quorvex_gzip(${CMAKE_CURRENT_BINARY_DIR}/changelog changelog_gz)
install(FILES ${QUORVEX_PACKAGING_DIR}/copyright ${changelog_gz} DESTINATION ${QUORVEX_DOC_DIR})

include(CPack)
