#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: its file list,
# lintian without errors, and both programs run from the unpacked package
# (versions, a conversion, the tray program starting on a virtual display).
# Usage: scripts/paket_test.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
qurilish=$(realpath "${1:-build}")
ish=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$ish"' EXIT
xato() { echo "paket: $*" >&2; exit 1; }

versiya=$(sed -n 's/^project(Harfnur VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arx=$(dpkg --print-architecture)
deb="$qurilish/harfnur_${versiya}_${arx}.deb"
rm -f "$deb"
(cd "$qurilish" && cpack -G DEB >"$ish/cpack.log" 2>&1) || { cat "$ish/cpack.log"; xato "cpack failed"; }
[ -f "$deb" ] || xato "no $deb"

# The files, exactly.
kutilgan=(
  ./usr/bin/harfnur ./usr/bin/harfnur-ogir
  ./usr/share/applications/harfnur.desktop
  ./usr/share/doc/harfnur/changelog.gz ./usr/share/doc/harfnur/copyright
  ./usr/share/icons/hicolor/scalable/apps/harfnur.svg
  ./usr/share/man/man1/harfnur.1.gz ./usr/share/man/man1/harfnur-ogir.1.gz
)
for o in 16 22 24 32 48 64 128 256; do kutilgan+=("./usr/share/icons/hicolor/${o}x${o}/apps/harfnur.png"); done
diff <(printf '%s\n' "${kutilgan[@]}" | grep . | sort) \
     <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort) || xato "unexpected file list"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || xato "no dependencies computed from the binaries"
for o in 16 256; do
  dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/icons/hicolor/${o}x${o}/apps/harfnur.png" >"$ish/b.png"
  file "$ish/b.png" | grep -q "PNG image data, $o x $o" || xato "icon ${o}x${o} is no PNG of that size"
done

lintian --fail-on error "$deb" >"$ish/lintian" 2>&1 || { cat "$ish/lintian"; xato "lintian reports errors"; }
grep -v "^running with root" "$ish/lintian" || true  # warnings, shown

# The programs from the unpacked package, not from the build tree.
dpkg-deb -x "$deb" "$ish/ildiz"
bin="$ish/ildiz/usr/bin"
[ "$("$bin/harfnur" --version)" = "harfnur $versiya" ] || xato "harfnur --version"
"$bin/harfnur-ogir" --version | grep -q "$versiya" || xato "harfnur-ogir --version"
[ "$(printf "o'g'il shahar choy\nТошкент\n" | "$bin/harfnur-ogir" --lines)" = "$(printf 'öğil şahar çoy\nToşkent')" ] \
  || xato "harfnur-ogir does not convert"

# The tray program on a virtual display: it starts, watches keys, and ends
# cleanly on SIGTERM.
mkdir -p "$ish/uy/.config/Harfnur" "$ish/run" && chmod 700 "$ish/run"
printf '[General]\njurnal=true\ntanishtirildi=true\n' >"$ish/uy/.config/Harfnur/Harfnur.conf"
Xvfb -displayfd 3 -nolisten tcp 3>"$ish/displey" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$ish/displey" ] && break; sleep 0.05; done
[ -s "$ish/displey" ] || xato "Xvfb did not start"
jurnal="$ish/uy/.local/state/Harfnur/Harfnur.log"
env -u WAYLAND_DISPLAY DISPLAY=":$(cat "$ish/displey")" HOME="$ish/uy" XDG_RUNTIME_DIR="$ish/run" \
  XDG_CONFIG_HOME="$ish/uy/.config" XDG_STATE_HOME="$ish/uy/.local/state" "$bin/harfnur" 2>"$ish/stderr" &
h=$!
for _ in $(seq 100); do grep -q "Shift kuzatuvi boshlandi" "$jurnal" 2>/dev/null && break; sleep 0.05; done
grep -q "Shift kuzatuvi boshlandi" "$jurnal" 2>/dev/null || { cat "$ish/stderr"; xato "the tray program did not start watching"; }
grep -q "ishga tushdi: $bin/harfnur" "$jurnal" || xato "the tray program is not the packaged one"
kill -TERM $h
wait $h || xato "harfnur ended with status $? on SIGTERM"
echo "paket: $(basename "$deb") ($(du -k "$deb" | cut -f1) KB) checked"
