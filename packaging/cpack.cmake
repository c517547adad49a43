# A Debian package of the installed game, korvane_<version>_<arch>.deb:
#   cmake --workflow --preset package
# Section games wants the game in /usr/games (the Debian games layout of the package and default
# presets); a game installed in bin/ goes in the catch-all section instead.
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "the Korvane developers")
set(CPACK_PACKAGE_CONTACT "the Korvane developers <developers@korvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drag racing reaction time game")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane trains a drag racer's start: the reaction to the starting lights.
Hold the race button, watch the light tree stage and count down, and let go
on the green. Your reaction time shows to the thousandth, and a launch before
the green lights your red lamp.

A computer opponent races in the other lane at one of five skill levels. The
Standard Tree lights its ambers one after another, the Pro Tree all at once;
the roll-out sets where the reaction clock starts.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(CMAKE_INSTALL_BINDIR MATCHES "(^|/)games$")
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
else()
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
endif()
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://korvane.org/)
# The libraries come from dpkg-shlibdeps; the fonts are found by name at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dseg, fonts-liberation")
# Without Qt's Wayland plugin the game still runs on a Wayland desktop, through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
