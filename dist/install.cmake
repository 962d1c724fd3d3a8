# SPDX-License-Identifier: MIT
# install.cmake - what `cmake --install` puts where, and the Debian package
# (`cpack -G DEB --config build/CPackConfig.cmake`). Included by the top level.
set(DIST ${CMAKE_SOURCE_DIR}/dist)
set(DIST_OUT ${CMAKE_BINARY_DIR}/dist)
set(GAME_DATADIR ${CMAKE_INSTALL_DATADIR}/hollowmere)

# The metainfo names the version; man pages are installed compressed, and the
# German program's page points at the English one. The English page names the
# data folder, which is known only at install time (man_page.cmake).
set(VERSION ${PROJECT_VERSION})
configure_file(${DIST}/org.example.hollowmere.metainfo.xml ${DIST_OUT}/org.example.hollowmere.metainfo.xml @ONLY)
file(WRITE ${DIST_OUT}/hollowmere-de.6 ".so man6/hollowmere.6\n")
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${DIST_OUT}/hollowmere-de.6.gz ${DIST_OUT}/changelog.gz
  COMMAND ${GZIP} -9nf -k hollowmere-de.6
  COMMAND ${GZIP} -9n -c ${DIST}/changelog > changelog.gz
  DEPENDS ${DIST_OUT}/hollowmere-de.6 ${DIST}/changelog
  WORKING_DIRECTORY ${DIST_OUT})
add_custom_target(dist_files ALL DEPENDS ${DIST_OUT}/hollowmere-de.6.gz ${DIST_OUT}/changelog.gz)
configure_file(${DIST}/man_page.cmake.in ${DIST_OUT}/man_page.cmake @ONLY)

install(PROGRAMS $<TARGET_FILE:hollowmere_en> DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS $<TARGET_FILE:hollowmere_de> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME hollowmere-de)
install(DIRECTORY ${CMAKE_BINARY_DIR}/gfx DESTINATION ${GAME_DATADIR} PATTERN ".stamp" EXCLUDE)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons DESTINATION ${CMAKE_INSTALL_DATADIR})
install(FILES ${DIST}/hollowmere.desktop ${DIST}/hollowmere-de.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DIST_OUT}/org.example.hollowmere.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(SCRIPT ${DIST_OUT}/man_page.cmake)
install(FILES ${DIST}/copyright ${DIST_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hollowmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "hollowmere developers <hollowmere@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point-and-click adventure of a hamster stranded on Halloween")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quobble Tuftwhirl, a hamster from the planet Reduro-7, has crash-landed his
saucer behind a farmer's barn on Halloween. Walk, look, take, talk and use
your way through a small town and get the ship out of the ground.

The package holds the English (hollowmere) and the German (hollowmere-de)
edition.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# --scale needs SDL 1.2 through sdl12-compat; the game runs on either SDL 1.2
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libsdl1.2-compat-shim)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://hollowmere.example.org")
# Debian keeps games in /usr/games, stripped: done on the package's copy only.
set(CPACK_PRE_BUILD_SCRIPTS ${DIST_OUT}/debian_layout.cmake)
configure_file(${DIST}/debian_layout.cmake.in ${DIST_OUT}/debian_layout.cmake @ONLY)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)  # staging and the .deb stay in the build
include(CPack)
