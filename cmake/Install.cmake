# Installing the game the way Linux games are: the programs in bin/, the
# data read-only in share/skarvoll3d/, the desktop entry, icons, AppStream
# metadata and manual pages; and a Debian package of it all (cpack -G DEB).
# A player's own files go to his home at run time (src/platform/game_folders).
include(GNUInstallDirs)
set(SKARVOLL_DIST ${CMAKE_SOURCE_DIR}/dist)
set(SKARVOLL_APP_ID io.github.skarvoll3d.skarvoll3d)

install(TARGETS skarvoll3d skarvoll3d-config skarvoll3d-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET skarvoll3d-circuit)
  install(TARGETS skarvoll3d-circuit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET game_data)
  install(DIRECTORY ${GAME_DIR}/data ${GAME_DIR}/circuits ${SKARVOLL_INSTALL_EXTRAS}/pilotes
          DESTINATION ${CMAKE_INSTALL_DATADIR}/skarvoll3d)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${SKARVOLL_INSTALL_EXTRAS}/icones/${size}.png RENAME skarvoll3d.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()
install(FILES ${SKARVOLL_DIST}/${SKARVOLL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SKARVOLL_DIST}/${SKARVOLL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SKARVOLL_DIST}/man/skarvoll3d.6 ${SKARVOLL_DIST}/man/skarvoll3d-config.6
              ${SKARVOLL_DIST}/man/skarvoll3d-sim.6 ${SKARVOLL_DIST}/man/skarvoll3d-circuit.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME skarvoll3d)
set(CPACK_PACKAGE_VENDOR "Skarvoll 3D")
set(CPACK_PACKAGE_CONTACT "Skarvoll 3D <skarvoll3d@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "course de voitures armées au tour par tour, en 3D")
set(CPACK_PACKAGE_INSTALL_DIRECTORY skarvoll3d)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The circuit maker draws its circuits' numbers and names with these fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_STRIP_FILES ON)
include(CPack)
