#!/usr/bin/env bash
# Builds the ICU that Harfnur.app links statically: the common library and the
# data, for macOS 12 and later, arm64 and x86_64 in one universal library
# each, the data cut down to scripts/icu-malumot.txt as for Windows. The app
# then carries no library of its own.
# Usage: scripts/icu-mac.sh [CACHE_FOLDER]
# Prints the folder to give CMake as ICU_ROOT, and nothing else on standard
# output. Built once per cache folder (${XDG_CACHE_HOME:-~/.cache}/harfnur by
# default); the source is ICU's release tarball, checked by its SHA-256.
set -euo pipefail
cd "$(dirname "$0")/.."
exec 3>&1 1>&2  # only the prefix goes to standard output

icu_version=72.1
icu_tgz=icu4c-72_1-src.tgz
icu_url=https://github.com/unicode-org/icu/releases/download/release-72-1/$icu_tgz
icu_sha256=a2d2d38217092a7ed56635e34467f92f976b370e20182ad325edea6681a71d68
macos=12.0  # as CMAKE_OSX_DEPLOYMENT_TARGET in CMakeLists.txt
archs=(arm64 x86_64)
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/harfnur}
icu=$cache/icu-mac-$icu_version
prefix=$icu/prefix
jobs=$(sysctl -n hw.ncpu)

# Built again when this script or the data list changes.
want="$icu_version $macos ${archs[*]} $(cat scripts/icu-mac.sh scripts/icu-malumot.txt | shasum -a 256 | cut -c1-16)"
if [ -f "$prefix/.tayyor" ] && [ "$(cat "$prefix/.tayyor")" = "$want" ]; then
  echo "$prefix" >&3
  exit 0
fi
t0=$SECONDS
mkdir -p "$icu"

# Every object's oldest macOS: one built for a newer macOS than the app's
# minimum would raise it.
minos_tekshir() {  # library
  local m bad=0
  for m in $(otool -arch all -l "$1" | awk '$1 == "minos" { print $2 }' | sort -u); do
    if [ "$(printf '%s\n%s\n' "$m" "$macos" | sort -t. -k1,1n -k2,2n -k3,3n | tail -1)" != "$macos" ]; then
      echo "icu-mac.sh: $1 has objects for macOS $m, newer than $macos"
      bad=1
    fi
  done
  return "$bad"
}

src=$icu/src/icu/source
if [ ! -f "$src/configure" ] || [ ! -f "$icu/hammasi/icudt72l.dat" ]; then
  echo "== ICU $icu_version: the release's source"
  rm -rf "$icu/dl" "$icu/src" "$icu/hammasi" && mkdir -p "$icu/dl" "$icu/src" "$icu/hammasi"
  curl -fsSL --retry 3 -o "$icu/dl/$icu_tgz" "$icu_url"
  echo "$icu_sha256  $icu/dl/$icu_tgz" | shasum -a 256 -c - >/dev/null
  tar -xzf "$icu/dl/$icu_tgz" -C "$icu/src"
  # The whole prebuilt data, before the source's copy is replaced by the cut one.
  cp "$src/data/in/icudt72l.dat" "$icu/hammasi/"
fi

# ICU's own tools for this Mac, to package the data of the other builds.
if [ ! -x "$icu/native/bin/icupkg" ]; then
  echo "== ICU: tools for this Mac"
  rm -rf "$icu/native" && mkdir -p "$icu/native"
  (cd "$icu/native" &&
   CC=clang CXX=clang++ CFLAGS=-O1 CXXFLAGS=-O1 "$src/configure" -q --enable-static --disable-shared \
     --disable-tests --disable-samples --disable-extras --disable-layoutex --disable-icuio >/dev/null &&
   make -s -j"$jobs" config/icucross.mk config/icucross.inc icudefs.mk >/dev/null && mkdir -p lib bin &&
   for d in stubdata common i18n tools/toolutil tools/icupkg tools/pkgdata tools/genccode tools/gencmn; do
     make -s -j"$jobs" -C $d >/dev/null 2>&1 || { make -C $d 2>&1 | tail -20; exit 1; }
   done)
fi

# The data: only the listed items of the prebuilt archive. brkitr/root.res
# names every kind of break rule and dictionary; only the grapheme rules are
# ever opened, so the others' absence is no fault.
grep -v '^#' scripts/icu-malumot.txt | sed '/^$/d' > "$icu/malumot.lst"
rm -rf "$icu/qism" && mkdir -p "$icu/qism"
"$icu/native/bin/icupkg" --ignore-deps -d "$icu/qism" -x "$icu/malumot.lst" "$icu/hammasi/icudt72l.dat"
"$icu/native/bin/icupkg" --ignore-deps -s "$icu/qism" -a "$icu/malumot.lst" new "$src/data/in/icudt72l.dat"

host_of() { case "$1" in arm64) echo aarch64-apple-darwin ;; x86_64) echo x86_64-apple-darwin ;; esac; }
for a in "${archs[@]}"; do
  echo "== ICU: static, $a, macOS $macos"
  rm -rf "${icu:?}/$a" && mkdir -p "$icu/$a"
  (cd "$icu/$a" &&
   MACOSX_DEPLOYMENT_TARGET=$macos CC="clang -arch $a" CXX="clang++ -arch $a" \
     CFLAGS="-O2 -mmacosx-version-min=$macos" CXXFLAGS="-O2 -mmacosx-version-min=$macos" \
     LDFLAGS="-mmacosx-version-min=$macos" \
     "$src/configure" -q --host="$(host_of "$a")" --with-cross-build="$icu/native" --prefix="$icu/$a/prefix" \
     --enable-static --disable-shared --disable-tools --disable-tests --disable-samples --disable-extras \
     --disable-layoutex --disable-icuio --with-data-packaging=static >/dev/null &&
   # The cut archive misses what its items refer to: listing it must not fail.
   sed -i.orig "s|/icupkg -d \$(BUILDDIR) --list|/icupkg --ignore-deps -d \$(BUILDDIR) --list|" data/Makefile &&
   grep -qF "icupkg --ignore-deps -d \$(BUILDDIR) --list" data/Makefile &&
   mkdir -p lib bin &&
   for d in common data; do
     MACOSX_DEPLOYMENT_TARGET=$macos make -s -j"$jobs" -C $d >/dev/null 2>&1 || { make -C $d 2>&1 | tail -20; exit 1; }
   done &&
   make -s -C common install >/dev/null && make -s -C data install >/dev/null)
  for l in libicuuc.a libicudata.a; do
    [ -f "$icu/$a/prefix/lib/$l" ] || { echo "icu-mac.sh: no $l for $a"; ls -l "$icu/$a/prefix/lib"; exit 1; }
  done
done

echo "== ICU: one universal library each"
rm -rf "$prefix" && mkdir -p "$prefix/lib"
cp -R "$icu/${archs[0]}/prefix/include" "$prefix/"
for l in libicuuc.a libicudata.a; do
  parts=()
  for a in "${archs[@]}"; do parts+=("$icu/$a/prefix/lib/$l"); done
  lipo -create "${parts[@]}" -output "$prefix/lib/$l"
  lipo "$prefix/lib/$l" -verify_arch "${archs[@]}" || { echo "icu-mac.sh: $l has $(lipo -archs "$prefix/lib/$l")"; exit 1; }
  minos_tekshir "$prefix/lib/$l"
done
echo "$want" > "$prefix/.tayyor"
echo "ICU $icu_version for macOS $macos (${archs[*]}) built in $((SECONDS - t0)) s:" \
  "$(du -h "$prefix/lib/libicuuc.a" | cut -f1) uc, $(du -h "$prefix/lib/libicudata.a" | cut -f1) data"
echo "$prefix" >&3
