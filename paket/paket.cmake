# The Debian package: cpack -G DEB in the build folder makes
# harfnur_<version>_<arch>.deb with both programs, the desktop entry, the icon
# in the hicolor theme, manual pages, copyright and changelog.
include(GNUInstallDirs)

install(TARGETS harfnur-ogir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(harfnur_paket ${CMAKE_BINARY_DIR}/paket)
set(harfnur_belgi ${PROJECT_SOURCE_DIR}/platform/belgi/harfnur.svg)
set(harfnur_fayllar)
# Every file below is written here, whatever optional tool is missing.
file(MAKE_DIRECTORY ${harfnur_paket})

# PNG sizes of the icon, drawn from the SVG (librsvg2-bin; without it the
# package has the SVG alone).
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  foreach(olcham 16 22 24 32 48 64 128 256)
    set(png ${harfnur_paket}/belgi/${olcham}/harfnur.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${harfnur_paket}/belgi/${olcham}
      COMMAND ${RSVG_CONVERT} -w ${olcham} -h ${olcham} -o ${png} ${harfnur_belgi}
      DEPENDS ${harfnur_belgi} VERBATIM)
    list(APPEND harfnur_fayllar ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${olcham}x${olcham}/apps)
  endforeach()
else()
  message(STATUS "rsvg-convert not found: the package gets the SVG icon only")
endif()
install(FILES ${harfnur_belgi} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog go in compressed, without a timestamp.
find_program(GZIP gzip REQUIRED)
function(harfnur_gzip manba nishon)
  add_custom_command(OUTPUT ${nishon}
    COMMAND ${GZIP} -9nc ${manba} > ${nishon}
    DEPENDS ${manba} VERBATIM)
  set(harfnur_fayllar ${harfnur_fayllar} ${nishon} PARENT_SCOPE)
endfunction()
harfnur_gzip(${CMAKE_CURRENT_LIST_DIR}/harfnur.1 ${harfnur_paket}/harfnur.1.gz)
install(FILES ${harfnur_paket}/harfnur.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The converter's page is written beside its source.
harfnur_gzip(${PROJECT_SOURCE_DIR}/tools/harfnur-ogir.1 ${harfnur_paket}/harfnur-ogir.1.gz)
install(FILES ${harfnur_paket}/harfnur-ogir.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
harfnur_gzip(${CMAKE_CURRENT_LIST_DIR}/changelog ${harfnur_paket}/changelog.gz)
install(FILES ${harfnur_paket}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/harfnur)
add_custom_target(harfnur_paket_fayllari ALL DEPENDS ${harfnur_fayllar})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME harfnur)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Harfnur developers <harfnur@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Uzbek text to the reformed Latin orthography with a double Shift")
# CPack puts the summary first and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Harfnur lives in the system tray of an X11 desktop. Tapping Shift twice in
any application converts the focused field (its selection, or the whole
field) from the older Latin orthography (o' g' sh ch) or from Cyrillic into
the reformed Latin orthography, and puts the clipboard's earlier content
back.

The harfnur-ogir command converts files or standard input the same way.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
