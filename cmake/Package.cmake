# The Debian package: `cpack -G DEB` in a build folder writes korvane_<version>_<arch>.deb
# from what cmake/Install.cmake installs, under /usr.

# A package's change log: gzipped as Debian wants it, installed with the README.
find_program(KORVANE_GZIP gzip REQUIRED)
set(korvane_changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${korvane_changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${korvane_changelog}
    COMMAND ${KORVANE_GZIP} -9nf ${korvane_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(korvane_changelog ALL DEPENDS ${korvane_changelog}.gz)
install(FILES ${korvane_changelog}.gz DESTINATION ${korvane_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Korvane developers")
set(CPACK_PACKAGE_CONTACT "The Korvane developers <developers@korvane.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diagnostic tool for the control units of a car")
# CPack puts the summary in front of this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Korvane talks to the control units of a car over a USB-serial cable on the
diagnostic connector at 1953 baud. It reads the unit's ROM ID, watches live
parameters (engine speed, temperatures, switch bits) converted by small
formulas from plain-text definition files, reads and writes raw memory, logs
readings to CSV files and dumps and checksums ROM images.
.
The package holds the Qt window (korvane), the command-line front end for
headless logging and scripts (korvane-cli), a simulated car on a
pseudo-terminal for trying it without a car (korvane-ecu-sim) and example
definition files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its display backends as plugins, which no library dependency names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
