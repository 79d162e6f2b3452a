# The Debian package: `cpack -G DEB` in the build folder, or the `package` target.
# Dependencies come from dpkg-shlibdeps; the Qt platform plugins are loaded at run time, so
# they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelkora)
set(CPACK_PACKAGE_VENDOR "The Zelkora developers")
set(CPACK_PACKAGE_CONTACT "Zelkora developers <zelkora-bugs@lists.zelkora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flash-card trainer for learning vocabulary")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelkora asks the cards of a vocabulary list one by one, in order, at random,
systematically, by lesson or by level, judges the typed answer meaning by meaning,
raises the level of cards answered right and brings wrong ones back. Cards are
entered, searched and changed in their own windows, browsed in a sortable
overview, counted in statistics and printed as a list or as flash cards.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zelkora.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
