# SPDX-License-Identifier: MIT
# The Windows tests: the core's unit tests under Wine, through the emulator the
# toolchain names. Every test here shares one warm Wine server in the build
# tree's prefix, started first and stopped last.
add_test(NAME wine.Start COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/server.sh start
  ${ZELVAN_WINESERVER} ${ZELVAN_WINE} ${ZELVAN_WINEPREFIX})
add_test(NAME wine.Stop COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/server.sh stop
  ${ZELVAN_WINESERVER} ${ZELVAN_WINE} ${ZELVAN_WINEPREFIX})
set_tests_properties(wine.Start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
set_tests_properties(wine.Stop PROPERTIES FIXTURES_CLEANUP wine)

# GCC 12 at -O3 takes std::string's inlined copies in the tests for
# overlapping memcpy calls (GCC bug 105329): a false alarm.
target_compile_options(unit_tests PRIVATE -Wno-restrict)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 120 DISCOVERY_MODE PRE_TEST
  PROPERTIES FIXTURES_REQUIRED wine)

# The executable as it ships: one file that needs no DLL but the system's.
add_test(NAME build.ImportsSystemDllsOnly
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:zelvan>)

# The packages, made here as a user would make them.
add_test(NAME package.InstallsAndUninstalls
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/installer.sh ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND}
    ${ZELVAN_WINE} ${ZELVAN_WINEPREFIX})
add_test(NAME package.ZipHoldsTheExecutableAlone
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/zip.sh ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND})
set_tests_properties(package.InstallsAndUninstalls PROPERTIES
  FIXTURES_REQUIRED wine RESOURCE_LOCK cpack TIMEOUT 120)
set_tests_properties(package.ZipHoldsTheExecutableAlone PROPERTIES RESOURCE_LOCK cpack)

# The test driver: reads and presses the program's windows from beside it.
add_executable(zelvan_driver wine/driver.cpp)
target_link_libraries(zelvan_driver PRIVATE user32 version zelvan_warnings)
target_compile_definitions(zelvan_driver PRIVATE UNICODE _UNICODE)
target_link_options(zelvan_driver PRIVATE -municode)
set_target_properties(zelvan_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# zelvan.exe under Wine on a private Xvfb with openbox, each test in a new
# prefix of its own.
foreach(dpi 96 144)
  add_test(NAME e2e.Window.${dpi}dpi COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/window.sh
    ${ZELVAN_WINE} ${ZELVAN_WINESERVER} $<TARGET_FILE:zelvan> $<TARGET_FILE:zelvan_driver> ${dpi})
  set_tests_properties(e2e.Window.${dpi}dpi PROPERTIES TIMEOUT 120)
endforeach()

add_test(NAME build.VersionResource COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/version.sh
  ${ZELVAN_WINE} ${ZELVAN_WINEPREFIX} $<TARGET_FILE:zelvan_driver> $<TARGET_FILE:zelvan> ${PROJECT_VERSION})
set_tests_properties(build.VersionResource PROPERTIES FIXTURES_REQUIRED wine)
foreach(chime missing present)
  add_test(NAME e2e.Alarm.chime-${chime} COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine/alarm.sh
    ${ZELVAN_WINE} ${ZELVAN_WINESERVER} $<TARGET_FILE:zelvan> $<TARGET_FILE:zelvan_driver> ${chime})
  set_tests_properties(e2e.Alarm.chime-${chime} PROPERTIES TIMEOUT 180)
endforeach()
