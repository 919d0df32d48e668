#!/usr/bin/env bash
# The Windows installer under Wine: a silent per-user install puts the
# programs under %LOCALAPPDATA%\Programs\Harfnur (whatever /D says) with a
# Start menu entry, and the installed converter runs. An upgrade while
# Harfnur runs closes it, keeps its start-at-login value and starts it again;
# the uninstaller closes it too and takes everything away, the start-at-login
# value included, while leaving other programs' values.
# Usage: windows_ornatuvchi_test.sh Harfnur-<version>-win64.exe
set -euo pipefail
ornatuvchi=$1
[ -f "$ornatuvchi" ] || { echo "no installer at $ornatuvchi (cpack makes it)"; exit 1; }
export WINEDEBUG=-all
xato=0
tekshir() {  # description, command...
  local nima=$1; shift
  if "$@"; then echo "ok: $nima"; else echo "FAIL: $nima"; xato=1; fi
}
kut() {  # seconds, command...: true once the command is
  local n=$(( $1 * 10 )); shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
winyol() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')"; }
run=HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run
runda() { wine reg query "$run" /v "$1" >/dev/null 2>&1; }
ishlayotgan() { pgrep -f 'harfnur\.exe' | sort || true; }
ishlamaydi() { [ -z "$(ishlayotgan)" ]; }

# Harfnur itself runs in the upgrade: a display of its own.
command -v Xvfb >/dev/null || { echo "no Xvfb (scripts/windows.sh installs it)"; exit 1; }
displey=$(mktemp)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$displey" 2>/dev/null &
xvfb=$!
tozala() {
  wine taskkill /f /im harfnur.exe >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$displey"
}
trap tozala EXIT
kut 5 test -s "$displey" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$displey")
wine taskkill /f /im harfnur.exe >/dev/null 2>&1 || true

joy=$(winyol '%LOCALAPPDATA%')/Programs/Harfnur
menyu=$(winyol '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs/Harfnur
boshqa=$(winyol 'C:\HarfnurBoshqa')
rm -rf "$joy" "$menyu" "$boshqa"
wine reg delete "$run" /v Harfnur /f >/dev/null 2>&1 || true

wine "$ornatuvchi" /S '/D=C:\HarfnurBoshqa'
wineserver -w
for f in harfnur.exe harfnur-ogir.exe Uninstall.exe; do
  tekshir "installed $f" test -f "$joy/$f"
done
tekshir "/D does not move it" test ! -e "$boshqa"
tekshir "Start menu entry" test -f "$menyu/Harfnur.lnk"
tekshir "uninstall entry under HKCU" wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Harfnur' /v UninstallString
natija=$(printf "o'g'il choy" | wine "$joy/harfnur-ogir.exe" 2>/dev/null)
tekshir "installed converter runs" test "$natija" = "öğil çoy"

# Harfnur runs, started at login: the upgrade closes it and starts it again.
qiymat="\"$(winepath -w "$joy")\\harfnur.exe\""
wine reg add 'HKCU\Software\Harfnur' /v tanishtirildi /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$run" /v Harfnur /t REG_SZ /d "$qiymat" /f >/dev/null 2>&1
wine "$joy/harfnur.exe" >/dev/null 2>&1 &
kut 20 test -n "$(ishlayotgan)" || true
oldingi=$(ishlayotgan)
tekshir "Harfnur started" test -n "$oldingi"
sleep 2  # its window made and its tray icon added
wine "$ornatuvchi" /S
keyingi() { local k; k=$(ishlayotgan); [ -n "$k" ] && [ "$k" != "$oldingi" ]; }
tekshir "upgrade closed the running one and started it again" kut 20 keyingi
tekshir "upgrade kept the start-at-login value" test "$(wine reg query "$run" /v Harfnur 2>/dev/null | tr -d '\r' | grep -o '".*"')" = "$qiymat"

# The uninstaller closes it too.
wine reg add "$run" /v HarfnurSinovBoshqa /t REG_SZ /d 'C:\boshqa.exe' /f >/dev/null 2>&1
wine "$joy/Uninstall.exe" /S
# It finishes from a copy of itself, after wine has returned.
tekshir "programs removed" kut 30 test ! -e "$joy"
tekshir "running Harfnur closed" kut 10 ishlamaydi
tekshir "Start menu entry removed" test ! -e "$menyu"
tekshir "start-at-login value removed" eval '! runda Harfnur'
tekshir "other programs' login values kept" runda HarfnurSinovBoshqa
wine reg delete "$run" /v HarfnurSinovBoshqa /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Harfnur' /f >/dev/null 2>&1 || true
exit $xato
