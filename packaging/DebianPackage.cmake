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
# Names that differ between Debian releases come from the packages this
# machine has, so that the package names real ones of the release it is
# built on.
function(zorbil_debian_owner file out)
  execute_process(COMMAND dpkg-query --search ${file}
    OUTPUT_VARIABLE owner RESULT_VARIABLE failed ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE "[:,].*" "" owner "${owner}")
  if(failed OR owner STREQUAL "")
    message(FATAL_ERROR "No Debian package holds ${file}: run tools/install-deps.sh play")
  endif()
  set(${out} ${owner} PARENT_SCOPE)
endfunction()

# The screens ask fontconfig for Liberation Sans: Debian 12 ships it in
# fonts-liberation2, Debian 13 in fonts-liberation.
execute_process(COMMAND fc-list -f "%{file}\\n" "Liberation Sans:style=Regular"
  OUTPUT_VARIABLE liberation_files OUTPUT_STRIP_TRAILING_WHITESPACE)
if(liberation_files STREQUAL "")
  message(FATAL_ERROR "Liberation Sans is not installed: run tools/install-deps.sh play")
endif()
string(REPLACE "\n" ";" liberation_files "${liberation_files}")
list(GET liberation_files 0 liberation_file)
zorbil_debian_owner(${liberation_file} liberation_package)

# The Wayland commit goes through Qt's private native interface, whose ABI
# holds for one Qt version only. Debian names that ABI in the Provides of
# Qt's core library package, and the name changed with Qt 6.8.
get_target_property(qt_core Qt6::Core LOCATION)
file(REAL_PATH ${qt_core} qt_core)
zorbil_debian_owner(${qt_core} qt_core_package)
execute_process(COMMAND dpkg-query --show --showformat=\${Provides} ${qt_core_package}
  OUTPUT_VARIABLE qt_provides OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX MATCH "qt6-base(-private)?-abi \\(= [^)]+\\)" qt_abi "${qt_provides}")
if(qt_abi STREQUAL "")
  message(FATAL_ERROR "${qt_core_package} provides no Qt ABI (${qt_provides})")
endif()

set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libgl1-mesa-dri, libglx-mesa0, timgm6mb-soundfont, ${liberation_package}, fonts-dejavu-core, ${qt_abi}")
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
