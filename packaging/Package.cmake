# `cpack -G DEB` in a tree configured for /usr: gb18306_<version>_amd64.deb. tools/package.sh
# does the whole of it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gb18306)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "gb18306 developers")
set(CPACK_PACKAGE_CONTACT "gb18306 developers <dev@gb18306.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "seismic ground-motion parameters and design spectra after GB 18306-2015")
set(CPACK_PACKAGE_DESCRIPTION
    "From a place's two zonation values (the site-class-II basic peak ground
acceleration and the characteristic period zone) and six engineering factors,
gb18306 derives the peak ground acceleration, the characteristic period and the
spectrum platform for the five site classes and four levels of ground motion of
the Chinese national standard GB 18306-2015, draws the design acceleration
response spectra and writes a CSV report. The command-line companion
gb18306-cli gives the same results without a window.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "gb18306 developers <dev@gb18306.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/")
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
# The libraries come from the binaries themselves (Debian ships Qt's xcb and offscreen window
# plugins inside libqt6gui6). What Qt loads at run time does not show there: the CJK glyphs of
# every text and Qt's translations of its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
