#!/usr/bin/env bash
# The Windows installer under Wine: a silent per-user install puts the
# programs under %LOCALAPPDATA%\Programs\Harfnur with a Start menu entry, the
# installed converter runs, and the uninstaller takes everything away again,
# the start-at-login value included, while leaving other programs' values.
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
winyol() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')"; }
run=HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run
runda() { wine reg query "$run" /v "$1" >/dev/null 2>&1; }

joy=$(winyol '%LOCALAPPDATA%')/Programs/Harfnur
menyu=$(winyol '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs/Harfnur
rm -rf "$joy" "$menyu"

wine "$ornatuvchi" /S
wineserver -w
for f in harfnur.exe harfnur-ogir.exe Uninstall.exe; do
  tekshir "installed $f" test -f "$joy/$f"
done
tekshir "Start menu entry" test -f "$menyu/Harfnur.lnk"
tekshir "uninstall entry under HKCU" wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Harfnur' /v UninstallString
natija=$(printf "o'g'il choy" | wine "$joy/harfnur-ogir.exe" 2>/dev/null)
tekshir "installed converter runs" test "$natija" = "öğil çoy"

wine reg add "$run" /v Harfnur /t REG_SZ /d "\"$(winepath -w "$joy")\\harfnur.exe\"" /f >/dev/null 2>&1
wine reg add "$run" /v HarfnurSinovBoshqa /t REG_SZ /d 'C:\boshqa.exe' /f >/dev/null 2>&1
wine "$joy/Uninstall.exe" /S
wineserver -w
tekshir "programs removed" test ! -e "$joy"
tekshir "Start menu entry removed" test ! -e "$menyu"
tekshir "start-at-login value removed" eval '! runda Harfnur'
tekshir "other programs' login values kept" runda HarfnurSinovBoshqa
wine reg delete "$run" /v HarfnurSinovBoshqa /f >/dev/null 2>&1
exit $xato
