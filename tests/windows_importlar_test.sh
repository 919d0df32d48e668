#!/usr/bin/env bash
# The shipped programs start on every Windows 10: their import tables name
# only DLLs that Windows 10 1507 has, and none of the functions it lacks
# (those of later versions are looked up at run time instead).
# Usage: windows_importlar_test.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1; shift

ruxsat_dll="ADVAPI32.dll GDI32.dll KERNEL32.dll MSIMG32.dll msvcrt.dll ole32.dll SHELL32.dll USER32.dll WTSAPI32.dll"
# Functions of user32 and kernel32 that came after 1507 (Microsoft Learn's
# "Minimum supported client" for each).
keyingilar=(
  AdjustWindowRectExForDpi EnableNonClientDpiScaling GetDpiForSystem GetDpiForWindow GetSystemMetricsForDpi
  SystemParametersInfoForDpi GetThreadDpiAwarenessContext GetWindowDpiAwarenessContext SetThreadDpiAwarenessContext
  GetAwarenessFromDpiAwarenessContext AreDpiAwarenessContextsEqual IsValidDpiAwarenessContext  # 1607
  SetProcessDpiAwarenessContext SetDialogDpiChangeBehavior GetDialogDpiChangeBehavior
  SetDialogControlDpiChangeBehavior GetDialogControlDpiChangeBehavior  # 1703
  GetDpiAwarenessContextForProcess GetSystemDpiForProcess GetDpiFromDpiAwarenessContext
  SetThreadDpiHostingBehavior GetThreadDpiHostingBehavior GetWindowDpiHostingBehavior  # 1803
  SetThreadDescription GetThreadDescription  # 1607
  CreatePseudoConsole ResizePseudoConsole ClosePseudoConsole  # 1809
  VirtualAlloc2 MapViewOfFile3  # 1803
)

# Reads objdump's text on stdin; prints each fault, fails when there is one.
tekshir() {  # program name
  awk -v nom="$1" -v ruxsat=" $ruxsat_dll " -v keyingi=" ${keyingilar[*]} " '
    /DLL Name:/ { dll = $3; n_dll++; if (index(ruxsat, " " dll " ") == 0) { print nom ": imports " dll; xato = 1 } next }
    dll != "" && NF >= 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {
      n_fn++
      if (index(keyingi, " " $3 " ")) { print nom ": imports " $3 " from " dll ", which Windows 10 1507 lacks"; xato = 1 }
    }
    END { if (n_dll == 0 || n_fn < 5) { print nom ": no import table read"; xato = 1 } exit xato }'
}

# The check itself: it must catch a late function and a DLL it does not know.
namuna=$'\tDLL Name: USER32.dll\n\t1\t 10  CreateWindowExW\n\t2\t 11  GetDpiForWindow\n\t3\t 12  A\n\t4\t 13  B\n\t5\t 14  C\n\tDLL Name: api-ms-win-core-new-l1-1-0.dll\n'
if tekshir namuna <<<"$namuna" >/dev/null; then echo "FAIL: the check passed a late import"; exit 1; fi
[ "$(tekshir namuna <<<"$namuna" | wc -l)" -eq 2 ] || { echo "FAIL: the check did not name both faults"; exit 1; }

xato=0
for dastur in "$@"; do
  if "$objdump" -p "$dastur" | tekshir "$(basename "$dastur")"; then
    echo "ok: $(basename "$dastur") imports only what Windows 10 1507 has"
  else
    xato=1
  fi
done
exit $xato
