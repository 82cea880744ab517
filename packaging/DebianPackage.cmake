# "cpack -G DEB" in the build folder packs what "cmake --install" puts in place, under /usr.
# dpkg-shlibdeps works out the runtime packages (Qt 6 widgets and OpenGL, GL, GLU) from the
# libraries the programs link.
set(CPACK_PACKAGE_NAME tornelle)
set(CPACK_PACKAGE_VENDOR Tornelle)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for Kavrano roller-coaster track files")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows a Kavrano track as a 3D wire model to fly through, edits the settings of its segments, saves the track and starts the simulator on it.")
set(CPACK_PACKAGE_CONTACT "Tornelle maintainers <tornelle@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS wine)
include(CPack)
