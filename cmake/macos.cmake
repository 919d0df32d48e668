# macOS toolchain settings: Objective-C++ with ARC for the AppKit glue, and
# an ICU that a Mac without Homebrew can be given (see platform/mac/bundle.cmake).
enable_language(OBJCXX)
set(CMAKE_OBJCXX_STANDARD 20)
set(CMAKE_OBJCXX_STANDARD_REQUIRED ON)
set(CMAKE_OBJCXX_EXTENSIONS OFF)
add_compile_options($<$<COMPILE_LANGUAGE:OBJCXX>:-fobjc-arc>)

# Homebrew's icu4c is keg-only: without a hint CMake would not find it.
if(NOT ICU_ROOT AND NOT DEFINED ENV{ICU_ROOT})
  find_program(HARFNUR_BREW brew)
  if(HARFNUR_BREW)
    execute_process(COMMAND ${HARFNUR_BREW} --prefix icu4c
                    OUTPUT_VARIABLE icu_brew OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE icu_brew_natija ERROR_QUIET)
    if(icu_brew_natija EQUAL 0 AND IS_DIRECTORY "${icu_brew}")
      set(ICU_ROOT "${icu_brew}")
    endif()
  endif()
endif()
find_package(ICU REQUIRED COMPONENTS uc)
set(harfnur_icu_uc "${ICU_UC_LIBRARY_RELEASE}")
if(NOT harfnur_icu_uc)
  set(harfnur_icu_uc "${ICU_UC_LIBRARY}")
endif()

# libicucore is the system's private ICU: no headers, no stable interface.
if(harfnur_icu_uc MATCHES "icucore")
  message(FATAL_ERROR "ICU resolved to the system's private libicucore (${harfnur_icu_uc}); "
                      "install icu4c (brew install icu4c) or pass -DICU_ROOT=<prefix>")
endif()

# Every library the app links must carry each architecture it is built for.
# Homebrew's bottles carry only the machine's own, so the universal default
# narrows to what ICU has; a universal ICU keeps the universal build.
execute_process(COMMAND lipo -archs "${harfnur_icu_uc}"
                OUTPUT_VARIABLE icu_arxitekturalar OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE lipo_natija)
if(NOT lipo_natija EQUAL 0)
  message(FATAL_ERROR "lipo -archs could not read ${harfnur_icu_uc}")
endif()
separate_arguments(icu_arxitekturalar UNIX_COMMAND "${icu_arxitekturalar}")
set(harfnur_arxitekturalar "")
foreach(a IN LISTS CMAKE_OSX_ARCHITECTURES)
  if(a IN_LIST icu_arxitekturalar)
    list(APPEND harfnur_arxitekturalar ${a})
  endif()
endforeach()
if(NOT harfnur_arxitekturalar)
  message(FATAL_ERROR "ICU (${harfnur_icu_uc}) has ${icu_arxitekturalar}, none of "
                      "CMAKE_OSX_ARCHITECTURES=${CMAKE_OSX_ARCHITECTURES}")
endif()
if(NOT harfnur_arxitekturalar STREQUAL CMAKE_OSX_ARCHITECTURES)
  message(STATUS "ICU has only ${icu_arxitekturalar}: building ${harfnur_arxitekturalar} "
                 "(a universal app needs a universal ICU)")
  set(CMAKE_OSX_ARCHITECTURES ${harfnur_arxitekturalar})
endif()
