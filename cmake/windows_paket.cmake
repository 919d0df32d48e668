# Harfnur-<version>-win64.exe (NSIS, installs for the current user only) and
# a portable ZIP with the same files. harfnur.exe is installed here, not by
# platform/windows, so that packaging stays in one place.
install(TARGETS harfnur-ogir RUNTIME DESTINATION .)
if(TARGET harfnur)
  install(TARGETS harfnur RUNTIME DESTINATION .)
  set(CPACK_PACKAGE_EXECUTABLES harfnur Harfnur)  # the Start menu entry
  set(CPACK_NSIS_MUI_FINISHPAGE_RUN harfnur.exe)
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Harfnur)
set(CPACK_PACKAGE_VENDOR Harfnur)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts Uzbek text to the reformed Latin orthography")
set(CPACK_PACKAGE_FILE_NAME Harfnur-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Harfnur)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Harfnur)
set(CPACK_NSIS_PACKAGE_NAME Harfnur)
set(CPACK_NSIS_DISPLAY_NAME Harfnur)
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\Programs")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# The start-at-login switch writes this value; it must not outlive the program.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegValue HKCU \\\"Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run\\\" \\\"Harfnur\\\"")

# CMake's NSIS script installs for all users as administrator; Harfnur's
# installer runs as the user and writes only under the user's profile and HKCU.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis)
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" nsis "${nsis}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" nsis "${nsis}")
string(REPLACE "ReadRegStr $0 HKLM \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
                "ReadRegStr $0 SHCTX \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" nsis "${nsis}")
string(REGEX REPLACE "[^\n]*MUI_PAGE_LICENSE[^\n]*\n" "" nsis "${nsis}")  # no licence text to show
file(WRITE ${PROJECT_BINARY_DIR}/cpack/NSIS.template.in "${nsis}")
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_BINARY_DIR}/cpack)

include(CPack)
