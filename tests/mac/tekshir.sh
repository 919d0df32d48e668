#!/usr/bin/env bash
# Compiles every file of platform/mac/ with -fsyntax-only for a macOS 12
# target against the declarations in sdk/ (see README.md), each in the
# language CMake gives it (.mm Objective-C++ with ARC, .cpp plain C++),
# warnings as errors; checks that the headers are plain C++; and checks that
# the samples in xato/ are refused, so the declarations keep catching those
# mistakes.
# Usage: tekshir.sh CLANG++ SOURCE_ROOT
set -uo pipefail
clang=$1
ildiz=$2
bu=$(cd "$(dirname "$0")" && pwd)

# The host's C and C++ library headers stand in for the SDK's: ask the
# compiler where they are for its native target.
tizim=()
while read -r papka; do
  case "$papka" in
    */c++/*|*-linux-gnu) tizim+=(-isystem "$papka") ;;
  esac
done < <("$clang" -x c++ -E -v - </dev/null 2>&1 | sed -n '/^#include <...> search starts here:/,/^End of search list./p' | sed '1d;$d')

# Blocks are on by default for an Apple target, as with Apple's clang. The
# nullability warning is also on in platform/mac/CMakeLists.txt.
umumiy=(-target x86_64-apple-macos12.0 -fsyntax-only -std=c++20
        -nostdinc++ "${tizim[@]}" -U__nonnull -U__nullable -D_GNU_SOURCE
        -isystem "$bu/sdk" -I "$ildiz" -Wall -Wextra -Werror -Wunguarded-availability
        -Wnullable-to-nonnull-conversion)
objc=(-x objective-c++ -fobjc-arc)
cxx=(-x c++)

xatolar=0
fayllar=0
# Two at a time: the machine's cores are shared.
tekshir1() { "$clang" "$@" || echo "FAIL: ${*: -1}"; }
export -f tekshir1
export clang
# CMake compiles a .cpp file as C++: Objective-C in one passes as
# Objective-C++ here and breaks on a Mac.
natija=$( (printf '%s\0' "$ildiz"/platform/mac/*.mm |
           xargs -0 -n1 -P2 bash -c 'tekshir1 "$@"' _ "${umumiy[@]}" "${objc[@]}"
           printf '%s\0' "$ildiz"/platform/mac/*.cpp |
           xargs -0 -n1 -P2 bash -c 'tekshir1 "$@"' _ "${umumiy[@]}" "${cxx[@]}") )
[ -n "$natija" ] && echo "$natija"
fayllar=$(ls "$ildiz"/platform/mac/*.mm "$ildiz"/platform/mac/*.cpp | wc -l)
xatolar=$(printf '%s' "$natija" | grep -c '^FAIL' || true)
# Headers are included by plain C++: no Objective-C in them.
for f in "$ildiz"/platform/mac/*.h; do
  fayllar=$((fayllar + 1))
  if ! echo "#include \"$f\"" | "$clang" "${umumiy[@]}" -x c++ -; then
    echo "FAIL (not plain C++): $f"
    xatolar=$((xatolar + 1))
  fi
done
# Each sample holds one mistake the check must refuse. A sample with a line
# "// kutiladi: TEXT" must be refused with TEXT in the diagnostics, so that
# it cannot pass by failing for another reason.
namunalar=0
namuna() {  # what, sample, compiler arguments...
  local nima=$1 f=$2 chiqish kutilgan
  shift 2
  namunalar=$((namunalar + 1))
  if chiqish=$("$@" 2>&1); then
    echo "FAIL (accepted $nima): $f"
    xatolar=$((xatolar + 1))
    return
  fi
  kutilgan=$(sed -n 's|^// kutiladi: ||p' "$f")
  if [ -n "$kutilgan" ] && ! grep -qF -- "$kutilgan" <<<"$chiqish"; then
    echo "FAIL (refused, but not with \"$kutilgan\"): $f"
    echo "$chiqish"
    xatolar=$((xatolar + 1))
  fi
}
for f in "$bu"/xato/*.mm; do
  [ -e "$f" ] && namuna "a mistake" "$f" "$clang" "${umumiy[@]}" "${objc[@]}" "$f"
done
for f in "$bu"/xato/*.cpp; do
  [ -e "$f" ] && namuna "a mistake as C++" "$f" "$clang" "${umumiy[@]}" "${cxx[@]}" "$f"
done
for f in "$bu"/xato/*.h; do
  [ -e "$f" ] && namuna "Objective-C in a header" "$f" "$clang" "${umumiy[@]}" -x c++ -include "$f" /dev/null
done
if [ "$fayllar" -lt 20 ] || [ "$namunalar" -lt 1 ]; then
  echo "FAIL: only $fayllar files and $namunalar samples found"
  exit 1
fi
echo "$fayllar files of platform/mac checked, $namunalar mistakes refused, $xatolar failures"
[ "$xatolar" -eq 0 ]
