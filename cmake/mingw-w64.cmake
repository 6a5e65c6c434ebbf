# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# flavour, whose C++ runtime has std::thread and std::mutex). Programs built
# for the target run under Wine: the tests, and the build-time generators.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZELVAN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZELVAN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELVAN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELVAN_MINGW}-windres)
set(CMAKE_OBJDUMP ${ZELVAN_MINGW}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${ZELVAN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine keeps its whole C: drive in a prefix, made on first use (some 700 MB).
# Without WINEPREFIX it would be the user's ~/.wine: keep it in the build tree.
# The emulator runs in the same environment as tests/wine/env.sh sets.
set(ZELVAN_WINE /usr/lib/wine/wine64 CACHE FILEPATH "Wine's 64-bit loader")
set(ZELVAN_WINESERVER /usr/lib/wine/wineserver CACHE FILEPATH "Wine's server")
set(ZELVAN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix the tests and generators run in")
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${ZELVAN_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d ${ZELVAN_WINE})
