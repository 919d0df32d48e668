# Harfnur.app: the bundle around the macOS entry point, its Info.plist and
# icon, signing, the install, and the DMG. ICU is linked statically
# (cmake/macos.cmake), so the app carries no library of its own.
set(HARFNUR_BUNDLE_ID "uz.harfnur.Harfnur" CACHE STRING
    "Bundle identifier of Harfnur.app (also labels the conversion queue)")
set(HARFNUR_SIGN_IDENTITY "-" CACHE STRING
    "codesign identity: '-' signs ad hoc; a 'Developer ID Application: ...' identity signs for release with the hardened runtime")

include(${CMAKE_CURRENT_LIST_DIR}/info_plist.cmake)
string(TIMESTAMP harfnur_yil "%Y" UTC)
harfnur_info_plist(${CMAKE_CURRENT_BINARY_DIR}/Info.plist
    ID ${HARFNUR_BUNDLE_ID} VERSION ${PROJECT_VERSION} MACOS ${CMAKE_OSX_DEPLOYMENT_TARGET}
    EXECUTABLE Harfnur ICON Harfnur.icns YEAR ${harfnur_yil})

# The icon from the lime tile's SVG, drawn inside a margin of 100 of 1024
# pixels on each side so it is no larger than other macOS app icons.
set(harfnur_icns ${CMAKE_CURRENT_BINARY_DIR}/Harfnur.icns)
add_custom_command(OUTPUT ${harfnur_icns}
    COMMAND ${CMAKE_COMMAND} -E rm -rf Harfnur.iconset
    COMMAND belgi-chiz --chet 0.09765625 --iconset ${PROJECT_SOURCE_DIR}/platform/belgi/harfnur.svg Harfnur.iconset
    COMMAND iconutil -c icns -o ${harfnur_icns} Harfnur.iconset
    DEPENDS belgi-chiz ${PROJECT_SOURCE_DIR}/platform/belgi/harfnur.svg
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Making Harfnur.icns"
    VERBATIM)
set_source_files_properties(${harfnur_icns} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)

add_executable(Harfnur MACOSX_BUNDLE ${HARFNUR_MAC_MAIN} ${harfnur_icns})
target_link_libraries(Harfnur PRIVATE harfnur_mac)
set_target_properties(Harfnur PROPERTIES MACOSX_BUNDLE_INFO_PLIST ${CMAKE_CURRENT_BINARY_DIR}/Info.plist)

# Signing: ad hoc by default (Apple silicon runs signed code only, and the
# bundle's resources are sealed with it); a real identity adds the hardened
# runtime and a secure timestamp, which notarization requires.
set(harfnur_imzo --force --sign "${HARFNUR_SIGN_IDENTITY}")
if(NOT HARFNUR_SIGN_IDENTITY STREQUAL "-")
  list(APPEND harfnur_imzo --options=runtime --timestamp)
endif()
add_custom_command(TARGET Harfnur POST_BUILD
    COMMAND codesign ${harfnur_imzo} $<TARGET_BUNDLE_DIR:Harfnur>
    VERBATIM)

# Install: the app as built, signed again, since an install may rewrite the
# executable's load commands and so break the signature; then checked.
set(harfnur_imzo_kodi "")  # the same flags, quoted for the install script
foreach(a IN LISTS harfnur_imzo)
  string(APPEND harfnur_imzo_kodi " [==[${a}]==]")
endforeach()
install(TARGETS Harfnur BUNDLE DESTINATION . COMPONENT Harfnur)
install(CODE "
  set(ilova \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/Harfnur.app\")
  if(EXISTS \"\${ilova}/Contents/Frameworks\")
    message(FATAL_ERROR \"\${ilova} carries libraries: ICU must be linked statically\")
  endif()
  execute_process(COMMAND codesign${harfnur_imzo_kodi} \"\${ilova}\" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND codesign --verify --deep --strict \"\${ilova}\" COMMAND_ERROR_IS_FATAL ANY)
" COMPONENT Harfnur)

# cpack -G DragNDrop: Harfnur-<version>.dmg holding the app and a link to
# /Applications, where the first alert asks the user to drag it.
set(CPACK_GENERATOR DragNDrop)
set(CPACK_PACKAGE_NAME Harfnur)
set(CPACK_PACKAGE_VENDOR "Harfnur")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Harfnur-${PROJECT_VERSION})
set(CPACK_DMG_VOLUME_NAME Harfnur)
set(CPACK_DMG_FORMAT UDZO)
set(CPACK_DMG_DISABLE_APPLICATIONS_SYMLINK OFF)
include(CPack)
