# SPDX-License-Identifier: MIT
# Packages made from the install rules, in the build tree: `cpack -G DEB` on
# Linux; `cpack -G NSIS` and `cpack -G ZIP` on Windows.

set(ZELVAN_PACKAGE_CONTACT "The Zelvan developers <zelvan@example.org>"
    CACHE STRING "Maintainer named in the packages")

set(CPACK_PACKAGE_NAME zelvan)
set(CPACK_PACKAGE_VENDOR "The Zelvan developers")
set(CPACK_PACKAGE_CONTACT ${ZELVAN_PACKAGE_CONTACT})
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/zelvan/zelvan)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stopwatch with an analog dial and an alarm")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelvan shows an analog dial with a second hand and a minute hand, a large\n"
    "hours:minutes:seconds readout and one button that starts, stops and\n"
    "continues the count. An alarm rings a chime after 1 to 60 minutes of\n"
    "running time.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# Symbols stay in the build tree; a Debug build still makes a small package.
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/packaging_windows.cmake)
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps finds the libraries (Qt, the C++ runtime) of the program and
# of its sound module in lib/zelvan; the readout's font and Qt's Wayland
# platform plugin, loaded at run time, are no linked libraries, so they are
# named here. Without the plugin a Wayland session runs the program through
# XWayland, if at all.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-wayland")

include(CPack)
