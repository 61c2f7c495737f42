# A Debian package from the install rules: `cpack -G DEB` in a Release build folder. Its library
# dependencies come from dpkg-shlibdeps (package dpkg-dev); the rest are named here.
set(CPACK_PACKAGE_NAME vantrocad)
set(CPACK_PACKAGE_VENDOR VantroCad)
set(CPACK_PACKAGE_CONTACT "VantroCad developers <vantrocad@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "2-D drafting program for mechanical drawings, with a Japanese interface")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "VantroCad draws and edits lines, arcs, circles, ellipses, free curves, texts, dimensions, fills and "
    "hatching on a sheet measured in millimetres, in 96 layers and numbered groups. It keeps drawings in "
    "its own .dca files, exchanges them as DXF, prints them at scale and saves the view as a bitmap.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins (the window), and the fonts the drawings' Japanese faces map to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho")
# Japanese buttons in Qt's own dialogs, and the tools the shortcut registrations call.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, desktop-file-utils, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm")
include(CPack)
