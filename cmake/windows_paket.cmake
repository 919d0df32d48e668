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
# An upgrade keeps it, and starts Harfnur again when it was running.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!insertmacro HarfnurOrnatilgach")

# CMake's NSIS script installs for all users as administrator; Harfnur's
# installer runs as the user and writes only under the user's profile and HKCU.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis)
# The program is 64-bit only, and so is the installer (it runs on a Wine without 32-bit support too).
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user\n  Target amd64-unicode" nsis "${nsis}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" nsis "${nsis}")
string(REPLACE "ReadRegStr $0 HKLM \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
                "ReadRegStr $0 SHCTX \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" nsis "${nsis}")
string(REGEX REPLACE "[^\n]*LICENSE_PAGE[^\n]*\n" "" nsis "${nsis}")  # no licence text to show
# Always %LOCALAPPDATA%\Programs\Harfnur: no folder page, and neither /D nor
# the template's choice for a user outside the Administrators group (their
# Documents folder) moves it.
string(REPLACE "  !insertmacro MUI_PAGE_DIRECTORY\n" "" nsis "${nsis}")
string(REPLACE "  noOptionsPage:\nFunctionEnd" "  noOptionsPage:\n  StrCpy $INSTDIR \"@CPACK_NSIS_INSTALL_ROOT@\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\"\nFunctionEnd" nsis "${nsis}")
# A running Harfnur is closed before the old version is removed and before
# an uninstall; the login value is read before the old uninstaller deletes it.
string(REPLACE "!include \"WinMessages.NSH\"" "!include \"WinMessages.NSH\"\n!include \"${PROJECT_SOURCE_DIR}/cmake/windows_ornatuvchi.nsh\"" nsis "${nsis}")
string(REPLACE "Function .onInit\n" "Function .onInit\n  Call HarfnurYop\n  ReadRegStr $HarfnurRun HKCU \"Software\\Microsoft\\Windows\\CurrentVersion\\Run\" \"Harfnur\"\n" nsis "${nsis}")
string(REPLACE "Function un.onInit\n" "Function un.onInit\n  Call un.HarfnurYop\n" nsis "${nsis}")
foreach(kerak "MUI_PAGE_DIRECTORY" "windows_ornatuvchi.nsh" "Call HarfnurYop" "Call un.HarfnurYop" "StrCpy $INSTDIR \"@CPACK_NSIS_INSTALL_ROOT@")
  string(FIND "${nsis}" "${kerak}" joy)
  if((kerak STREQUAL "MUI_PAGE_DIRECTORY" AND NOT joy EQUAL -1) OR (NOT kerak STREQUAL "MUI_PAGE_DIRECTORY" AND joy EQUAL -1))
    message(FATAL_ERROR "CMake's NSIS template changed: '${kerak}' could not be patched")
  endif()
endforeach()
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
