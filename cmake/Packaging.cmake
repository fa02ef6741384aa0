# The Debian package, built by CPack from the Release build:
#   cpack -G DEB --config build/CPackConfig.cmake   (or ./dev.sh package)
# gives velmar_<version>_amd64.deb with every installed file under /usr, the
# dependencies worked out from the binaries by dpkg-shlibdeps, and the
# copyright and changelog a Debian package carries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sudoku Velmar developers")
set(CPACK_PACKAGE_CONTACT "The Sudoku Velmar developers <velmar@users.noreply.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku game that explains the logic behind every step")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmar.example.org/")
# CPack puts the summary first as the synopsis and indents these lines; an
# empty line becomes the paragraph break " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sudoku Velmar deals puzzles at five levels, from Very Easy to Diabolical,
and lets you play them with big numbers, pencil marks and colour marks.
When you are stuck, the hint engine explains the next logical step in a
plain English sentence and can make the move for you. Puzzles can be
imported from text, checked for a unique solution, saved, replayed,
printed and saved as pictures.

The package also holds velmar-cli, the game's rules, solver and hint
engine on the command line.")
# Directories made by the install are world-readable whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Compresses the manual pages, adds the copyright and changelog and moves the
# programs to /usr/games, as Debian places games, in the staging folder only:
# `cmake --install` keeps plain pages and every program in bin/.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian_staging.cmake.in
  ${PROJECT_BINARY_DIR}/debian_staging.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_BINARY_DIR}/debian_staging.cmake)

include(CPack)
