# SPDX-License-Identifier: GPL-3.0-or-later
# "cpack -G DEB" in the build folder writes build/packages/zorbil_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME zorbil)
set(CPACK_PACKAGE_VENDOR "Les auteurs de Zorbil")
set(CPACK_PACKAGE_CONTACT "Les auteurs de Zorbil <zorbil@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
# Folders made for the package get the same mode whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# A native package: the packaging lives with the code, and the ChangeLog is
# both the upstream and the package changelog.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the programs link come from dpkg-shlibdeps; what they load
# at run time it cannot see: Qt's X11 platform plugin, Mesa's drivers, the
# General MIDI soundfont and the fonts the screens ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Wayland commit goes through Qt's private native interface, whose ABI
# holds for one Qt version only.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libgl1-mesa-dri, libglx-mesa0, timgm6mb-soundfont, fonts-liberation2, fonts-dejavu-core, qt6-base-abi (= ${Qt6_VERSION})")
# A Wayland session without any X server needs Qt's Wayland platform.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "3D snake game: eat the donuts, beat the best score
Zorbil is a three-dimensional snake game. Steer the snake over a field of
15 by 11 cells with the arrow keys: it never stops and cannot turn back.
Each donut it eats makes it longer and is worth up to ten points, the
faster the snake the more. Running into the edge of the field or into
itself ends the game.

Play over a background picture and to a music of your choice: the game
ships its own, and your PCX pictures and music files join them in your
own game folder, ~/.local/share/zorbil. The game speaks French and English.")

include(CPack)
