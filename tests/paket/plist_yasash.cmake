# Renders platform/mac/Info.plist.in the way bundle.cmake does, for the check.
# cmake -DMANBA=<source> -DCHIQISH=<file> -DID= -DVERSIYA= -DMACOS= -DDASTUR= -DBELGI= -DYIL= -P plist_yasash.cmake
include(${MANBA}/platform/mac/info_plist.cmake)
harfnur_info_plist(${CHIQISH} ID "${ID}" VERSION "${VERSIYA}" MACOS "${MACOS}"
                   EXECUTABLE "${DASTUR}" ICON "${BELGI}" YEAR "${YIL}")
