# The Windows build: one program that runs with nothing installed (static C++
# runtime, static ICU with its data inside), and its installer.

# ICU built with --disable-shared: its headers must not ask for DLL imports,
# and its data lives in a library of its own.
find_package(ICU REQUIRED COMPONENTS uc data)
set_property(TARGET ICU::uc APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS U_STATIC_IMPLEMENTATION)
set_property(TARGET ICU::uc APPEND PROPERTY INTERFACE_LINK_LIBRARIES ICU::data)

add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)

# Every program in one folder, as it is shipped and as the Windows CI job runs it.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# Tests are listed when ctest runs (under the emulator), so the build needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# Packaging needs every install() rule, so it comes at the end of the top directory.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL include ${PROJECT_SOURCE_DIR}/cmake/windows_paket.cmake)
