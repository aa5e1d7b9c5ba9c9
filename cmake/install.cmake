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
# The software centre's page links the game's page as the game's own links do; the screenshot
# lies on it.
set(metainfo_template ${PROJECT_SOURCE_DIR}/resources/desktop/${PENNIX_APP_ID}.metainfo.xml.in)
set(PENNIX_SCREENSHOT_ADDRESS "${PENNIX_GAME_PAGE}")
if(NOT PENNIX_SCREENSHOT_ADDRESS MATCHES "/$")
    string(APPEND PENNIX_SCREENSHOT_ADDRESS "/")
endif()
string(APPEND PENNIX_SCREENSHOT_ADDRESS "screenshot.png")
# The addresses become XML text: the & of a query string would leave a file no parser accepts.
set(PENNIX_METAINFO_HOMEPAGE "${PENNIX_GAME_PAGE}")
foreach(address PENNIX_METAINFO_HOMEPAGE PENNIX_SCREENSHOT_ADDRESS)
    string(REPLACE "&" "&amp;" ${address} "${${address}}")
    string(REPLACE "<" "&lt;" ${address} "${${address}}")
    string(REPLACE ">" "&gt;" ${address} "${${address}}")
endforeach()
configure_file(${metainfo_template} ${CMAKE_BINARY_DIR}/${PENNIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${PENNIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Its newest release is the version being built, or software centres would offer an old one.
file(READ ${metainfo_template} metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" newest_release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${metainfo_template}: the newest release is '${CMAKE_MATCH_1}', but the "
                        "project's version is ${PROJECT_VERSION}; add a <release> for it")
endif()

# Manual pages are installed compressed, as Debian's policy asks and man(1) expects; gzip -n leaves
# out the name and time, so the same page always gives the same bytes.
foreach(page pennix-arena.1 pennix.6)
    string(REGEX MATCH "[0-9]$" section ${page})
    set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/docs/man/${page}
                ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page}
        VERBATIM)
    list(APPEND compressed_pages ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${compressed_pages})
