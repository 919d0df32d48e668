#!/usr/bin/env bash
# Cross-builds Harfnur for Windows with MinGW-w64, runs its tests under Wine
# and packs the installer and the portable ZIP.
# Usage: scripts/windows.sh [all|build|icu]
#   all    (default) build, test under Wine, package
#   build  build and package only (no Wine), as the CI job does before Windows runs the tests
#   icu    only make sure the MinGW build of ICU is in the cache
# ICU is built once per machine into ${XDG_CACHE_HOME:-~/.cache}/harfnur/icu-mingw-<version>.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mode=${1:-all}
case "$mode" in all|build|icu) ;; *) echo "windows.sh: unknown mode '$mode' (all, build or icu)" >&2; exit 2 ;; esac

jobs=$(nproc)
icu_version=72.1
cache=${XDG_CACHE_HOME:-$HOME/.cache}/harfnur
icu=$cache/icu-mingw-$icu_version
host=x86_64-w64-mingw32
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

apt_updated=""
apt_update() {
  [ -n "$apt_updated" ] && return
  # apt may be busy with another install on a shared machine: wait for it.
  for _ in $(seq 60); do $sudo apt-get update -qq && { apt_updated=1; return; }; sleep 10; done
  echo "windows.sh: apt-get update keeps failing" >&2; exit 1
}

need() {  # packages...
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}" >&2
  apt_update
  for _ in $(seq 60); do
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null && return
    sleep 10
  done
  echo "windows.sh: could not install ${missing[*]}" >&2; exit 1
}

# --- ICU for MinGW: a native build for ICU's own tools, then a static cross build
# of the common library and of the data, cut down to scripts/icu-malumot.txt.
build_icu() {
  local stamp=$icu/prefix/.tayyor want
  want="$icu_version $(grep -v '^#' scripts/icu-malumot.txt | sha256sum | cut -c1-16)"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then return; fi
  need dpkg-dev xz-utils make python3 g++
  local t0=$SECONDS
  mkdir -p "$icu"
  if [ ! -f "$icu/src/source/configure" ]; then
    echo "== ICU: Debian's source package"
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
      printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        | $sudo tee /etc/apt/sources.list.d/harfnur-deb-src.sources >/dev/null
      apt_updated=""
    fi
    apt_update
    rm -rf "$icu/dl" "$icu/src" && mkdir -p "$icu/dl"
    (cd "$icu/dl" && apt-get source --download-only -qq icu >/dev/null 2>&1 && dpkg-source -x -q icu_*.dsc "$icu/src" >/dev/null 2>&1)
    grep -q "PACKAGE_VERSION='$icu_version'" "$icu/src/source/configure" \
      || { echo "windows.sh: Debian's icu is not $icu_version" >&2; exit 1; }
    mkdir -p "$icu/hammasi" && cp "$icu/src/source/data/in/icudt72l.dat" "$icu/hammasi/"
  fi
  if [ ! -x "$icu/native/bin/icupkg" ]; then
    echo "== ICU: native tools"
    rm -rf "$icu/native" && mkdir -p "$icu/native"
    (cd "$icu/native" && CC=gcc CXX=g++ CFLAGS=-O1 CXXFLAGS=-O1 "$icu/src/source/configure" -q --disable-tests --disable-samples \
       --disable-extras --disable-layoutex --disable-icuio >/dev/null &&
     make -s -j"$jobs" config/icucross.mk config/icucross.inc icudefs.mk >/dev/null && mkdir -p lib bin &&
     for d in stubdata common i18n tools/toolutil tools/icupkg tools/pkgdata tools/genccode tools/gencmn; do
       make -s -j"$jobs" -C $d >/dev/null 2>&1 || { make -C $d 2>&1 | tail -20; exit 1; }
     done)
  fi
  echo "== ICU: MinGW static build"
  # The data: only the listed items of Debian's prebuilt archive.
  grep -v '^#' scripts/icu-malumot.txt | sed '/^$/d' > "$icu/malumot.lst"
  rm -rf "$icu/qism" && mkdir -p "$icu/qism"
  # brkitr/root.res names every kind of break rule and dictionary; only the
  # grapheme rules are ever opened, so the others' absence is no fault.
  local icupkg=("env" "LD_LIBRARY_PATH=$icu/native/lib" "$icu/native/bin/icupkg" --ignore-deps)
  "${icupkg[@]}" -d "$icu/qism" -x "$icu/malumot.lst" "$icu/hammasi/icudt72l.dat"
  "${icupkg[@]}" -s "$icu/qism" -a "$icu/malumot.lst" new "$icu/src/source/data/in/icudt72l.dat"
  mkdir -p "$icu/cross"
  (cd "$icu/cross" &&
   if [ ! -f config.status ]; then
     CC=$host-gcc-posix CXX=$host-g++-posix CFLAGS=-O2 CXXFLAGS=-O2 "$icu/src/source/configure" -q --host=$host \
       --with-cross-build="$icu/native" --prefix="$icu/prefix" --enable-static --disable-shared \
       --disable-tools --disable-tests --disable-samples --disable-extras --disable-layoutex --disable-icuio \
       --with-data-packaging=static >/dev/null 2>&1 &&
     sed -i 's|/icupkg -d $(BUILDDIR) --list|/icupkg --ignore-deps -d $(BUILDDIR) --list|' data/Makefile
   fi &&
   mkdir -p lib bin && rm -rf data/out lib/sicudt.a "$icu/prefix" &&
   for d in common data; do
     make -s -j"$jobs" -C $d >/dev/null 2>&1 || { make -C $d 2>&1 | tail -20; exit 1; }
   done &&
   make -s -C common install >/dev/null &&
   # FindICU knows the usual names; the static MinGW build calls them sicuuc and sicudt.
   cp lib/libsicuuc.a "$icu/prefix/lib/libicuuc.a" && cp lib/sicudt.a "$icu/prefix/lib/libicudt.a")
  rm "$icu/prefix/lib/libsicuuc.a"
  echo "$want" > "$stamp"
  echo "ICU $icu_version for MinGW built in $((SECONDS - t0)) s: $(du -h "$icu/prefix/lib/libicuuc.a" | cut -f1) uc, $(du -h "$icu/prefix/lib/libicudt.a" | cut -f1) data"
}

need g++-mingw-w64-x86-64-posix cmake libgtest-dev
build_icu
[ "$mode" = icu ] && exit 0

# --- The project for Windows, in build-win.
echo "== Windows build (MinGW-w64)"
need nsis librsvg2-bin imagemagick  # the installer; the icon made from the SVG
log=/tmp/harfnur-windows-build.log
source scripts/kesh.sh
{ cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DICU_ROOT="$icu/prefix" \
    -DCMAKE_BUILD_TYPE=Release -DHARFNUR_LINUX=OFF -DHARFNUR_BENCH=OFF "${kesh[@]}" &&
  cmake --build build-win -j"$jobs" &&
  (cd build-win && cpack -G "NSIS;ZIP"); } >"$log" 2>&1 || { tail -60 "$log"; exit 1; }
grep -iE '(^|[^-])warning' "$log" && { echo "windows.sh: the Windows build has warnings" >&2; exit 1; }
for f in build-win/bin/*.exe build-win/Harfnur-*-win64.{exe,zip}; do
  printf '%8s  %s\n' "$(du -h "$f" | cut -f1)" "$f"
done
[ "$mode" = build ] && exit 0

# --- The tests, as Windows programs under Wine, in a Wine prefix of our own.
need wine wine64
need xvfb openbox xdotool x11-utils imagemagick  # the desktop of tests/e2e/windows_test.py
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Wine prefix (once)"
  mkdir -p "$WINEPREFIX" && wineboot -i >/dev/null 2>&1 && wineserver -w
fi
echo "== Windows tests (Wine)"
(cd build-win && ctest --no-tests=error --output-on-failure -j"$jobs")
