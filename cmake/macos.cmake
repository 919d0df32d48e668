# macOS toolchain settings: Objective-C++ with ARC for the AppKit glue, and
# ICU linked statically, so that Harfnur.app carries no library of its own.
enable_language(OBJCXX)
set(CMAKE_OBJCXX_STANDARD 20)
set(CMAKE_OBJCXX_STANDARD_REQUIRED ON)
set(CMAKE_OBJCXX_EXTENSIONS OFF)
add_compile_options($<$<COMPILE_LANGUAGE:OBJCXX>:-fobjc-arc>)

# The pasteboard setting (NSPasteboard.accessBehavior) came with the macOS
# 15.4 SDK, Xcode 16.3's; older SDKs do not declare it.
execute_process(COMMAND xcrun --sdk macosx --show-sdk-version
                OUTPUT_VARIABLE harfnur_sdk OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE sdk_natija)
if(sdk_natija EQUAL 0 AND harfnur_sdk VERSION_LESS 15.4)
  message(FATAL_ERROR "The macOS SDK is ${harfnur_sdk}; Harfnur needs 15.4 or later (Xcode 16.3 or later)")
endif()

# scripts/icu-mac.sh builds ICU static and universal for the deployment
# target, its data cut down to what the engine opens, into the cache it uses
# unless told otherwise: found there without a hint.
if(NOT ICU_ROOT AND NOT DEFINED ENV{ICU_ROOT})
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(icu_kesh "$ENV{XDG_CACHE_HOME}/harfnur/icu-mac-72.1/prefix")
  else()
    set(icu_kesh "$ENV{HOME}/.cache/harfnur/icu-mac-72.1/prefix")
  endif()
  if(EXISTS "${icu_kesh}/.tayyor")
    set(ICU_ROOT "${icu_kesh}")
  endif()
endif()
find_package(ICU REQUIRED COMPONENTS uc data)
set(harfnur_icu_uc "${ICU_UC_LIBRARY_RELEASE}")
if(NOT harfnur_icu_uc)
  set(harfnur_icu_uc "${ICU_UC_LIBRARY}")
endif()

# libicucore is the system's private ICU: no headers, no stable interface. A
# shared ICU (Homebrew's) would have to travel inside the app and would need
# the macOS it was built for.
if(NOT harfnur_icu_uc MATCHES "\\.a$")
  message(FATAL_ERROR "ICU resolved to ${harfnur_icu_uc}, not a static library: run scripts/icu-mac.sh "
                      "and pass the folder it prints as -DICU_ROOT=<folder>")
endif()
# Static: its data is a library of its own.
set_property(TARGET ICU::uc APPEND PROPERTY INTERFACE_LINK_LIBRARIES ICU::data)

# Every library linked must carry each architecture the build is for: the
# universal default narrows to what ICU has, and says so.
function(harfnur_arxitekturalari kutubxona natija)
  execute_process(COMMAND lipo -archs "${kutubxona}"
                  OUTPUT_VARIABLE bor OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE lipo_natija)
  if(NOT lipo_natija EQUAL 0)
    message(FATAL_ERROR "lipo -archs could not read ${kutubxona}")
  endif()
  separate_arguments(bor UNIX_COMMAND "${bor}")
  set(${natija} ${bor} PARENT_SCOPE)
endfunction()
harfnur_arxitekturalari("${harfnur_icu_uc}" icu_arxitekturalar)
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

# Homebrew's GoogleTest and benchmark carry only the Mac's own architecture:
# a universal build cannot link the tests against them.
function(harfnur_hamma_arxitekturalar hedef)
  get_target_property(tur ${hedef} TYPE)
  if(tur STREQUAL "INTERFACE_LIBRARY")
    return()
  endif()
  get_target_property(yol ${hedef} LOCATION)
  if(NOT yol OR NOT EXISTS "${yol}")
    return()
  endif()
  harfnur_arxitekturalari("${yol}" bor)
  foreach(a IN LISTS CMAKE_OSX_ARCHITECTURES)
    if(NOT a IN_LIST bor)
      message(FATAL_ERROR "${yol} has only ${bor}, not ${a}: build the universal app with "
                          "-DBUILD_TESTING=OFF -DHARFNUR_BENCH=OFF, and the tests in a build of "
                          "their own with -DCMAKE_OSX_ARCHITECTURES=$(uname -m)")
    endif()
  endforeach()
endfunction()
