# Installing the game as a desktop program, and its Debian package.
#
#   cmake --install build --prefix DIR     the game, its data, menu entry,
#                                          metainfo, icons and man page
#   cpack --config build/CPackConfig.cmake the .deb (configure the build with
#                                          -DCMAKE_INSTALL_PREFIX=/usr for it)
#
# The game finds an installed data folder from its own location first
# (bin/../share/tidewrack), so an install moved to another prefix still runs;
# the configured prefix's share folder is compiled in as the last resort.
include(GNUInstallDirs)

set(TW_APP_ID net.quillbarrow.TidewrackSolitaire)
set(TW_PACKAGE_VERSION 0.0.24)
set(TW_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

set(TW_INSTALL_DATADIR "${CMAKE_INSTALL_FULL_DATADIR}/tidewrack")
file(RELATIVE_PATH TW_INSTALL_DATADIR_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}" "${TW_INSTALL_DATADIR}")
# Only the data lookup sees them: another prefix recompiles one file.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/platform/paths.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  TW_INSTALL_DATADIR="${TW_INSTALL_DATADIR}" TW_INSTALL_DATADIR_FROM_BIN="${TW_INSTALL_DATADIR_FROM_BIN}")

# The man page is shipped compressed, as the manual reader expects on Debian.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(TW_MANPAGE ${CMAKE_BINARY_DIR}/packaging/tidewrack.6.gz)
add_custom_command(OUTPUT ${TW_MANPAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND ${GZIP_PROGRAM} -9 -n -c ${TW_PACKAGING_DIR}/tidewrack.6 > ${TW_MANPAGE}
  DEPENDS ${TW_PACKAGING_DIR}/tidewrack.6
  COMMENT "Compressing the man page")
add_custom_target(twmanpage ALL DEPENDS ${TW_MANPAGE})

# Screenshots for the software centre's page, played by the harness at the
# names the metainfo gives them (build/screenshots/); not part of a normal build.
add_custom_target(screenshots
  COMMAND bash ${TW_PACKAGING_DIR}/screenshots.sh $<TARGET_FILE:twharness> ${CMAKE_BINARY_DIR}/screenshots
  DEPENDS twharness
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Playing the screenshots for the metainfo"
  USES_TERMINAL)

install(TARGETS tidewrack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The icons are made with the data but belong to the icon theme.
install(DIRECTORY ${TW_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tidewrack/data
  PATTERN desktopicons EXCLUDE)
foreach(px 16 32 48 64 128 256 512)
  install(FILES ${TW_DATA_DIR}/desktopicons/${px}x${px}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${px}x${px}/apps RENAME ${TW_APP_ID}.png)
endforeach()
install(FILES ${TW_PACKAGING_DIR}/${TW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TW_PACKAGING_DIR}/${TW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TW_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# ---- the Debian package ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tidewrack)
set(CPACK_PACKAGE_VERSION ${TW_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillbarrow")
set(CPACK_PACKAGE_CONTACT "Quillbarrow <games@quillbarrow.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "undersea solitaire card game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"undersea solitaire card game
Tidewrack-Solitaire is a single-player card game set on a sunny reef. Free
cards go onto the open card when they are one higher or one lower, ace and
king counting as neighbours; the draw pile deals when nothing fits.

74 levels on an adventure map of four pages, with special cards, oil, shells
and plants in the way, fish that order combos, boss levels, a shop, a shell
game casino, trophies and story scenes between the levels.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillbarrow.net/tidewrack/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The run-time libraries only (SDL2 and its image and mixer libraries, Vorbis),
# read from the installed executable.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The package installs where the build was configured to, so the compiled-in
# share folder is the packaged one.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
