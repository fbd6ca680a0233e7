# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME tornet3d)
set(CPACK_PACKAGE_VENDOR "The Tornet 3D developers")
set(CPACK_PACKAGE_CONTACT "The Tornet 3D developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D puzzle game: clear a cylinder of coloured blocks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Click groups of touching blocks of one colour to remove them and turn the\n\
cylinder's rings to bring colours together. Remover is the unhurried mode;\n\
in Breakdown new blocks keep rising from the bottom, and bombs help.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The runtime libraries the binary links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
