# The Debian package that `make package` builds: build/pennix_<version>_amd64.deb, installing
# under /usr what cmake/install.cmake lists.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pennix)
set(CPACK_PACKAGE_VENDOR "The Pennix developers")
set(CPACK_PACKAGE_CONTACT "The Pennix developers <${PENNIX_AUTHOR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dots and boxes against the computer")
# Lines of the package's long description stay within 80 columns, as dpkg and apt show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Pennix is the pencil-and-paper game of dots and boxes on a grid of 11 by 9
dots, played against the computer at four levels, from Easy to Genius. The
match score is kept between sessions.
The package also holds pennix-arena, which plays computer-against-computer
matches and analyses positions without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
# A package ships its programs without the debugging sections of a RelWithDebInfo build.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PENNIX_GAME_PAGE})
# The shared libraries come from dpkg-shlibdeps, and with Qt's GUI library its X11 platform plugin,
# which Debian ships in the same package. The faces the board and its labels are drawn in are
# loaded at run time: without them the game would fall back to whatever fonts the system has. Qt's
# own buttons (Yes, No, OK) speak the player's language only with Debian's Qt translations; the
# game's own translations are compiled in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue, qt6-translations-l10n")
# The links open their web pages through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

include(CPack)
