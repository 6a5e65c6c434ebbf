# SPDX-License-Identifier: MIT
# The Windows packages: an installer, and a zip that holds zelvan.exe alone
# for those who run it from wherever they put it. Included by packaging.cmake.

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME zelvan-${PROJECT_VERSION}-win64)
# zelvan.exe at the top of the zip, not in a folder named for the package.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# C:\Program Files\Zelvan, a Start-menu shortcut "Zelvan" (with the icon the
# executable carries), and an entry under the installed apps that names the
# version and the uninstaller.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zelvan)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zelvan)
set(CPACK_NSIS_DISPLAY_NAME Zelvan)
set(CPACK_NSIS_PACKAGE_NAME Zelvan)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_EXECUTABLES zelvan Zelvan)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME zelvan.exe)
set(CPACK_NSIS_MUI_ICON ${ZELVAN_ICO})
set(CPACK_NSIS_MUI_UNIICON ${ZELVAN_ICO})
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# NSIS's default stub is 32-bit: a 64-bit program gets a 64-bit installer,
# which also writes the uninstall entry into the 64-bit registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
