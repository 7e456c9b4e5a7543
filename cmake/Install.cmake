# Installation layout and the Debian package.
#
#   bin/plimo-configurator
#   share/plimo-configurator/plimo_ru.qm         (the Russian translation)
#   share/applications/org.plimo.configurator.desktop
#   share/metainfo/org.plimo.configurator.metainfo.xml
#   share/icons/hicolor/scalable/apps/org.plimo.configurator.svg
#
# The program loads the file named by its Language preference; an absolute name such as
# /usr/share/plimo-configurator/plimo_ru.qm works from any folder, a plain name is looked
# up in the folder the program was started in.

include(GNUInstallDirs)

set(PLIMO_APP_ID org.plimo.configurator)
set(PLIMO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/plimo-configurator)

install(TARGETS plimo-configurator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(PLIMO_QM_FILES)
    install(FILES ${PLIMO_QM_FILES} DESTINATION ${PLIMO_DATA_DIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/${PLIMO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${PLIMO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/${PLIMO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian package: `cpack -G DEB` in the build folder (./build.sh package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plimo-configurator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Plimo player configurator developers")
set(CPACK_PACKAGE_CONTACT "Plimo player configurator developers <plimo-configurator@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for an SD-card voice recorder")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits every setting of an SD-card based voice recorder in one form (WAV format, \
voice-activated recording, loop writing, file limits, four timer events, the clock) and \
writes the recorder's config.ini and clock-setting file to the card, or reads them back.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps finds the Qt libraries the program links (libqt6core6, libqt6gui6,
# libqt6widgets6, libqt6core5compat6); the platform plugins that let it open a window on
# X11 or Wayland are only a recommendation of libqt6gui6, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-gtk-platformtheme")
include(CPack)
