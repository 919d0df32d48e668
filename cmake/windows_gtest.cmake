# GoogleTest for the Windows build, compiled from the sources Debian ships in
# libgtest-dev (the packaged libraries are Linux ones). It defines the
# GTest::gtest and GTest::gtest_main targets the tests link.
set(HARFNUR_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${HARFNUR_GTEST_SRC} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
