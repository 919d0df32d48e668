# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# for std::thread). Tests run under Wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HARFNUR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HARFNUR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HARFNUR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${HARFNUR_MINGW}-windres)

# Libraries and headers only from the MinGW tree and the ICU built for it.
set(CMAKE_FIND_ROOT_PATH /usr/${HARFNUR_MINGW})
if(ICU_ROOT)
  list(APPEND CMAKE_FIND_ROOT_PATH "${ICU_ROOT}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(HARFNUR_WINE NAMES wine)
if(HARFNUR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HARFNUR_WINE})
endif()
