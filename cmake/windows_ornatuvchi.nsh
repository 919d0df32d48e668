; Harfnur's own steps in the installer and the uninstaller. A running
; Harfnur is closed first, as its files are in use otherwise; an upgrade
; keeps the start-at-login value (the old uninstaller removes it) and starts
; the program again when it was running; the place is always the user's own.

Var HarfnurIshlardi
Var HarfnurRun

!macro HarfnurYopFunksiyasi un
Function ${un}HarfnurYop
  Push $0
  Push $1
  Push $2
  Push $3
  FindWindow $0 "HarfnurAsosiy" "Harfnur"
  StrCmp $0 0 tamom
  StrCpy $HarfnurIshlardi 1
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'  ; SYNCHRONIZE
  ; Its hidden window ends the program on WM_CLOSE, as taskkill without /F does.
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
  StrCpy $3 1
  IntCmp $2 0 kut
  System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i .r3'
  System::Call 'kernel32::CloseHandle(p r2)'
  Goto bitdi
  kut:  ; no handle to wait on: wait for the window to go
    StrCpy $1 0
    takror:
      Sleep 100
      FindWindow $0 "HarfnurAsosiy" "Harfnur"
      StrCmp $0 0 0 +3
        StrCpy $3 0
        Goto bitdi
      IntOp $1 $1 + 1
      IntCmp $1 50 0 takror
  bitdi:
  StrCmp $3 0 tamom
  MessageBox MB_OK|MB_ICONSTOP "Harfnur is running and did not close. Quit it from its icon in the notification area, then run this again." /SD IDOK
  SetErrorLevel 2
  Quit
  tamom:
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro HarfnurYopFunksiyasi ""
!insertmacro HarfnurYopFunksiyasi "un."

; At the end of the installation.
!macro HarfnurOrnatilgach
  StrCmp $HarfnurRun "" +2
    WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "Harfnur" '"$INSTDIR\harfnur.exe"'
  StrCmp $HarfnurIshlardi "1" 0 +2
    Exec '"$INSTDIR\harfnur.exe"'
!macroend
