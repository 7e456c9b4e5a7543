# Installation layout and the Debian package.
#
#   bin/plimo-configurator
#   share/plimo-configurator/plimo_ru.qm         (the Russian translation)
#   share/applications/org.plimo.configurator.desktop
#   share/metainfo/org.plimo.configurator.metainfo.xml
#   share/icons/hicolor/scalable/apps/org.plimo.configurator.svg
#   share/man/man1/plimo-configurator.1.gz
#   share/doc/plimo-configurator/copyright, changelog.Debian.gz
#
# The program loads the file named by its Language preference; an absolute name such as
# /usr/share/plimo-configurator/plimo_ru.qm works from any folder, a plain name is looked
# up in the folder the program was started in.

include(GNUInstallDirs)

set(PLIMO_APP_ID org.plimo.configurator)
set(PLIMO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/plimo-configurator)

# The hardening Debian's own builds get from dpkg-buildflags (not with the sanitizers,
# which bring their own checks of the same functions).
if(NOT PLIMO_SANITIZE AND NOT PLIMO_FUZZ)
    target_compile_definitions(plimoconf PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    target_link_options(plimo-configurator PRIVATE -Wl,-z,relro,-z,now)
endif()

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

# The manual page (its version from project()) and the Debian changelog, compressed as
# Debian wants them: gzip -9n, no name or time stamp inside, so the package builds the same
# bytes every time.
configure_file(${CMAKE_SOURCE_DIR}/data/plimo-configurator.1
               ${CMAKE_BINARY_DIR}/plimo-configurator.1 @ONLY)
set(PLIMO_GZIPPED ${CMAKE_BINARY_DIR}/plimo-configurator.1.gz
                  ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(
    OUTPUT ${PLIMO_GZIPPED}
    COMMAND gzip -9nc plimo-configurator.1 > plimo-configurator.1.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/changelog.Debian > changelog.Debian.gz
    DEPENDS ${CMAKE_BINARY_DIR}/plimo-configurator.1 ${CMAKE_SOURCE_DIR}/data/changelog.Debian
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    VERBATIM)
add_custom_target(plimo-package-docs ALL DEPENDS ${PLIMO_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/plimo-configurator.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(PLIMO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/plimo-configurator)
install(FILES ${CMAKE_SOURCE_DIR}/data/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz
        DESTINATION ${PLIMO_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME plimo-configurator)

# Debian package: `cpack -G DEB` in the build folder (./build.sh package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plimo-configurator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1) # the revision of data/changelog.Debian
set(CPACK_PACKAGE_VENDOR "The Plimo player configurator developers")
# A placeholder address until the project has a mailbox (.invalid never delivers).
set(CPACK_PACKAGE_CONTACT "Plimo player configurator developers <plimo-configurator@plimo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for an SD-card voice recorder")
# Lines of at most 72 characters: CPack indents each for the control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Edits every setting of an SD-card based voice recorder in one form:
WAV format, voice-activated recording, loop writing, file limits, four
timer events and the clock. It writes the recorder's config.ini and
clock-setting file to the card, or reads them back.

plimo-configurator --write writes one saved configuration to many cards
from the command line, and --check explains how the recorder reads a
config.ini.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps finds the Qt libraries the program links (libqt6core6, libqt6gui6,
# libqt6widgets6, libqt6core5compat6, libqt6dbus6); the platform plugins that let it open a
# window on X11 or Wayland are only a recommendation of libqt6gui6, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own dialogs follow the Russian translation when Qt's translations are there;
# the card picker and Eject ask UDisks2 (without it the picker reads the mount table);
# --collect hashes with libcrypto, loaded when it begins (without it, with Qt's hash).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-gtk-platformtheme, qt6-translations-l10n, udisks2, libssl3")
include(CPack)
