# Where `cmake --install` puts the game, pennix-arena, the icons, the desktop entry, the AppStream
# metadata and the manual pages: the places a Linux desktop and man(1) look for them.
#
# Included from the top-level directory after the targets exist, so that install(TARGETS) can name
# targets defined in subdirectories.

include(GNUInstallDirs)

set(PENNIX_APP_ID org.example.Pennix)

install(TARGETS pennix pennix-arena RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The hicolor theme is the fallback of every icon theme, so the menu finds the icon under any of
# them; the file names carry the application id that the desktop entry's Icon= asks for.
foreach(size 16 32 48 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/pennix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${PENNIX_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/pennix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${PENNIX_APP_ID}.svg)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${PENNIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${PENNIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/docs/man/pennix-arena.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/pennix.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
