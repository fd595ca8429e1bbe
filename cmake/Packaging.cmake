# The Debian package (cpack -G DEB in a build configured with prefix /usr, see scripts/package): the
# installation laid out by `cmake --install`, the package's own documents and maintainer scripts, and
# the dependencies dpkg-shlibdeps finds in the executables.
option(MOUSECFG_DEB "Install the Debian package's copyright and changelog" OFF)
set(MOUSECFG_MAINTAINER "mousecfg developers <mousecfg@example.org>" CACHE STRING "Package maintainer")
set(_debian ${PROJECT_SOURCE_DIR}/data/debian)

if(MOUSECFG_DEB)
    set(_changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
    add_custom_command(OUTPUT ${_changelog}
        COMMAND gzip -9nc ${_debian}/changelog > ${_changelog}
        DEPENDS ${_debian}/changelog
        VERBATIM)
    add_custom_target(debian_changelog ALL DEPENDS ${_changelog})
    install(FILES ${_debian}/copyright ${_changelog} DESTINATION share/doc/mousecfg)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${MOUSECFG_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure a wireless gaming mouse over HID")
# Lines of at most 80 columns, as dpkg shows them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "mousecfg edits the DPI stages, report rate, lift-off distance and sensor\n"
    "switches, the scroll lines, the lighting and the function of every button of\n"
    "a family of wireless gaming mice, through their USB receiver or their\n"
    "charging cable. It records macros and downloads them into the mouse, keeps\n"
    "five on-board profiles and shows the battery level, charging state and\n"
    "connection.\n"
    "\n"
    "mousecfgctl lists the devices, shows the status and sends the saved\n"
    "configuration from the command line. The udev rule gives the logged-in user\n"
    "access to the mouse's receiver and cable.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_debian}/postinst ${_debian}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
