# Debian package of the installed layout: cpack -G DEB in the build folder.
#
# dpkg-shlibdeps names the packages of the libraries the program links (the Qt 6 libraries among them);
# the list below adds what is loaded at run time and so is invisible to it: the window-system plugins and
# the browser's helper process, and the SQLite driver of the check history. The SVG icon engine comes with libqt6svg6, which the program links.

set(CPACK_PACKAGE_NAME quarrytide)
set(CPACK_PACKAGE_VENDOR "Marlowfen")
set(CPACK_PACKAGE_CONTACT "Marlowfen <support@quarrytide.net>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarrytide checks candidate domain names against the WHOIS servers of their top-level domains and \
sorts them into registered names and three lists of available names by length. Names come from bundled \
word lists, lists of your own, a name generator, web search results or the pages you browse.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(QUARRYTIDE_DEB_RUNTIME_DEPENDS
    "libqt6webenginewidgets6 (>= 6.4), libqt6webenginecore6-bin (>= 6.4), qt6-qpa-plugins (>= 6.4), libqt6sql6-sqlite (>= 6.4), libc-ares2 (>= 1.18), libpsl5, publicsuffix")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
find_program(QUARRYTIDE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUARRYTIDE_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUARRYTIDE_DEB_RUNTIME_DEPENDS}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUARRYTIDE_DEB_RUNTIME_DEPENDS}, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6svg6 (>= 6.4)")
endif()

include(CPack)
