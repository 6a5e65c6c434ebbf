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

gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 120 DISCOVERY_MODE PRE_TEST
  PROPERTIES FIXTURES_REQUIRED wine)
