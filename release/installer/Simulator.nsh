; Finding the simulator's folder, its one spelling, and telling whether the simulator is running.

!define FS9_KEY "SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0"
!define DPLAY_KEY "SOFTWARE\Microsoft\DirectPlay\Applications\Microsoft Flight Simulator 2004"

; $R0: a folder as a user or a registry value spells it -> the one spelling of it: absolute,
; backslashes, no "." or ".." steps, no trailing separator (but "C:\"), the drive letter in
; capitals and every existing step in the letter case the file system has; "" when it is
; not absolute (a relative folder would depend on where the program was started).
; Uses $R1 and $R2.
!macro KFWS_CanonicalFunction UN
Function ${UN}KFWS_Canonical
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $1 $R0 2 1
  StrCpy $2 $R0 2
  ${If} $1 == ":\"
  ${OrIf} $1 == ":/"
  ${OrIf} $2 == "\\"
  ${OrIf} $2 == "//"
    GetFullPathName $R0 $R0
  ${Else}
    StrCpy $R0 ""
  ${EndIf}
  ${If} $R0 != ""
    ; The root: "X:" with X in capitals, or "\\server\share" as given.
    StrCpy $1 $R0 2
    ${If} $1 == "\\"
      StrCpy $3 2
      StrCpy $4 0
      ${Do}
        StrCpy $2 $R0 1 $3
        ${If} $2 == "\"
          IntOp $4 $4 + 1
        ${EndIf}
        ${If} $2 == ""
        ${OrIf} $4 == 2
          ${Break}
        ${EndIf}
        IntOp $3 $3 + 1
      ${Loop}
      StrCpy $1 $R0 $3
      StrCpy $R0 $R0 "" $3
    ${Else}
      StrCpy $2 $R0 1
      StrCpy $R0 $R0 "" 2
      StrCpy $1 "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
      ${For} $3 0 25
        StrCpy $4 $1 1 $3
        ${If} $4 == $2
          StrCpy $2 $4
        ${EndIf}
      ${Next}
      StrCpy $1 "$2:"
    ${EndIf}
    ; Each step after the root in the letter case it has on disk, while the steps exist.
    StrCpy $R1 $1  ; the folder so far
    StrCpy $4 1    ; 1 while every step so far exists
    ${Do}
      StrCpy $2 $R0 1
      ${If} $2 == "\"
        StrCpy $R0 $R0 "" 1
        ${Continue}
      ${EndIf}
      ${If} $R0 == ""
        ${Break}
      ${EndIf}
      StrCpy $3 0
      ${Do}
        StrCpy $2 $R0 1 $3
        ${If} $2 == "*"
        ${OrIf} $2 == "?"
          StrCpy $4 0
        ${EndIf}
        ${If} $2 == "\"
        ${OrIf} $2 == ""
          ${Break}
        ${EndIf}
        IntOp $3 $3 + 1
      ${Loop}
      StrCpy $2 $R0 $3
      StrCpy $R0 $R0 "" $3
      ${If} $4 == 1
        FindFirst $3 $R2 "$R1\$2"
        FindClose $3
        ${If} $R2 == ""
          StrCpy $4 0
        ${Else}
          StrCpy $2 $R2
        ${EndIf}
      ${EndIf}
      StrCpy $R1 "$R1\$2"
    ${Loop}
    StrCpy $R0 $R1
    StrLen $2 $R0
    ${If} $2 == 2
      StrCpy $R0 "$R0\"
    ${EndIf}
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
FunctionEnd
!macroend
!insertmacro KFWS_CanonicalFunction ""
!insertmacro KFWS_CanonicalFunction "un."

; $R0: a folder as some registry value gives it (REG_SZ or REG_EXPAND_SZ) -> its one
; spelling, or "" when it is no existing folder holding fs9.exe.
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
  Call KFWS_Canonical
  ${If} $R0 != ""
    ${IfNot} ${FileExists} "$R0\*.*"
    ${OrIfNot} ${FileExists} "$R0\fs9.exe"
      StrCpy $R0 ""
    ${EndIf}
  ${EndIf}
FunctionEnd

!macro KFWS_TryFolder FOLDER
  ${If} $R0 == ""
    StrCpy $R0 "${FOLDER}"
    Call KFWS_CheckCandidate
  ${EndIf}
!macroend

; $R0 := the simulator's folder, or "" when none is found: the registry entry in HKLM (a
; 32-bit program on 64-bit Windows reads the 32-bit view, where the simulator writes it),
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
!define un.SimulatorRuns `"" KFWS_SimulatorRuns ""`
