# Harfnur-<version>-win64.exe (NSIS, installs for the current user only) and
# a portable ZIP with the same files. harfnur.exe is installed here, not by
# platform/windows, so that packaging stays in one place.
install(TARGETS harfnur-ogir RUNTIME DESTINATION .)
if(TARGET harfnur)
  install(TARGETS harfnur RUNTIME DESTINATION .)
  set(CPACK_PACKAGE_EXECUTABLES harfnur Harfnur)  # the Start menu entry
  set(CPACK_NSIS_MUI_FINISHPAGE_RUN harfnur.exe)
  # The program's own icon, which platform/windows makes from the SVG.
  set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/platform/windows/harfnur.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/platform/windows/harfnur.ico)
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Harfnur)
set(CPACK_PACKAGE_VENDOR Harfnur)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts Uzbek text to the reformed Latin orthography")
set(harfnur_paket Harfnur-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${harfnur_paket})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Harfnur)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Harfnur)
set(CPACK_NSIS_PACKAGE_NAME Harfnur)
set(CPACK_NSIS_DISPLAY_NAME Harfnur)
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_INSTALLED_ICON_NAME harfnur.exe)
# The start-at-login switch writes this value; it must not outlive the program.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegValue HKCU \\\"Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run\\\" \\\"Harfnur\\\"")

# CMake's NSIS script installs for all users as administrator; Harfnur's
# installer runs as the user and writes only under the user's profile and HKCU.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis)
# The program is 64-bit only, and so is the installer (it runs on a Wine without 32-bit support too).
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user\n  Target amd64-unicode" nsis "${nsis}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" nsis "${nsis}")
string(REPLACE "ReadRegStr $0 HKLM \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
                "ReadRegStr $0 SHCTX \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" nsis "${nsis}")
string(REGEX REPLACE "[^\n]*LICENSE_PAGE[^\n]*\n" "" nsis "${nsis}")  # no licence text to show
file(WRITE ${PROJECT_BINARY_DIR}/cpack/NSIS.template.in "${nsis}")
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_BINARY_DIR}/cpack)

include(CPack)

# The installer, once cpack has made it, installed and removed under Wine.
if(BUILD_TESTING AND CMAKE_CROSSCOMPILING_EMULATOR)
  add_test(NAME windows.ornatuvchi
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/windows_ornatuvchi_test.sh
                   ${PROJECT_BINARY_DIR}/${harfnur_paket}.exe)
  set_tests_properties(windows.ornatuvchi PROPERTIES RUN_SERIAL TRUE TIMEOUT 120)
endif()
