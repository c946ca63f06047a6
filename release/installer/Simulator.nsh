; Finding the simulator's folder and telling whether the simulator is running.

!define FS9_KEY "SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0"
!define DPLAY_KEY "SOFTWARE\Microsoft\DirectPlay\Applications\Microsoft Flight Simulator 2004"

; $R0: a folder as some registry value gives it (REG_SZ or REG_EXPAND_SZ) -> the folder
; without quotes, environment references or a trailing backslash, or "" when it holds
; no fs9.exe.
Function KFWS_CheckCandidate
  ExpandEnvStrings $R0 $R0
  StrCpy $R1 $R0 1
  ${If} $R1 == '"'
    StrCpy $R0 $R0 "" 1
    StrCpy $R1 $R0 1 -1
    ${If} $R1 == '"'
      StrCpy $R0 $R0 -1
    ${EndIf}
  ${EndIf}
  StrCpy $R1 $R0 1 -1
  ${If} $R1 == "\"
    StrCpy $R0 $R0 -1
  ${EndIf}
  ${If} $R0 == ""
  ${OrIfNot} ${FileExists} "$R0\fs9.exe"
    StrCpy $R0 ""
  ${EndIf}
FunctionEnd

!macro KFWS_TryFolder FOLDER
  ${If} $R0 == ""
    StrCpy $R0 "${FOLDER}"
    Call KFWS_CheckCandidate
  ${EndIf}
!macroend

; $R0 := the simulator's folder, or "" when none is found: the registry entry in HKLM,
; then HKCU, then DirectPlay's entry, then the usual folders; each only with fs9.exe in it.
Function KFWS_FindSimulator
  ReadRegStr $R0 HKLM "${FS9_KEY}" "EXE Path"
  Call KFWS_CheckCandidate
  ${If} $R0 == ""
    ReadRegStr $R0 HKCU "${FS9_KEY}" "EXE Path"
    Call KFWS_CheckCandidate
  ${EndIf}
  ${If} $R0 == ""
    ReadRegStr $R0 HKLM "${DPLAY_KEY}" "AppPath"
    Call KFWS_CheckCandidate
  ${EndIf}
  !insertmacro KFWS_TryFolder "$PROGRAMFILES\Microsoft Games\Flight Simulator 9"
  !insertmacro KFWS_TryFolder "C:\Program Files\Microsoft Games\Flight Simulator 9"
  !insertmacro KFWS_TryFolder "C:\Flight Simulator 9"
  !insertmacro KFWS_TryFolder "C:\FS9"
FunctionEnd

; ${If} ${SimulatorRuns} ... ${EndIf}: the simulator's main window exists.
!macro _KFWS_SimulatorRuns _a _b _t _f
  FindWindow $_LOGICLIB_TEMP "FS98MAIN"
  IntCmp $_LOGICLIB_TEMP 0 `${_f}` `${_t}` `${_t}`
!macroend
!define SimulatorRuns `"" KFWS_SimulatorRuns ""`
