# The Debian package: `cmake --build <build> --target package` (or cpack -G DEB
# in the build folder) makes tovradesktop_<version>_amd64.deb from what
# `cmake --install` puts under /usr. The libraries' packages come from the
# binaries (dpkg-shlibdeps); the programs and data the program uses at run
# time are named here.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovradesktop)
set(CPACK_PACKAGE_VENDOR "TovraDesktop")
set(CPACK_PACKAGE_CONTACT "TovraDesktop developers <tovradesktop@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tray utility that rotates the wallpaper and customises the desktop")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tovradesktop)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "TovraDesktop lives in the notification area. Its main window rotates the
wallpaper through a list of pictures on a schedule, keeps a wallpaper
library, previews and applies pictures, previews screen savers and lets
the user paint over the desktop. Its interface is in Chinese.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese captions' font, the desktop's screen-saver starter, Qt's
# platform plugins (the X11 one is loaded, not linked), Qt's own Chinese
# translations, and xscreensaver's screen savers for the chooser.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-arphic-gbsn00lp, xdg-utils, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver-data")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The copyright file and the changelog, where Debian keeps them.
set(_tovra_doc "${CMAKE_INSTALL_DATADIR}/doc/tovradesktop")
set(_tovra_changelog "${PROJECT_BINARY_DIR}/debian/changelog.gz")
configure_file("${PROJECT_SOURCE_DIR}/resources/debian/changelog.in"
    "${PROJECT_BINARY_DIR}/debian/changelog" @ONLY)
add_custom_command(OUTPUT "${_tovra_changelog}"
    COMMAND gzip -9 -n -c "${PROJECT_BINARY_DIR}/debian/changelog" > "${_tovra_changelog}"
    DEPENDS "${PROJECT_BINARY_DIR}/debian/changelog")
add_custom_target(tovra_debian_changelog ALL DEPENDS "${_tovra_changelog}")
install(FILES "${PROJECT_SOURCE_DIR}/resources/debian/copyright" "${_tovra_changelog}"
    DESTINATION "${_tovra_doc}" COMPONENT Unspecified)

include(CPack)
