; What the installer writes, all or nothing, and what the uninstaller takes back.
;
; The installer notes every folder it creates and every file it writes in the record,
; Modules\KestrelFieldWorks\${RECORD} (a UTF-16 INI file: [Folders] the folders it made,
; [Files] each file with the CRC-32 of the bytes written, [Setup] version and language).
; While it runs, the record is built in $PLUGINSDIR and each step is pushed on the stack
; (a folder made, a file new, a file replaced with its old bytes kept in $PLUGINSDIR):
; when a step fails, KFWS_Undo takes the steps back, newest first; when all succeed,
; KFWS_Commit drops them and the record is put in place like any other file.
; The uninstaller removes a file only when its CRC-32 is still the recorded one, and a
; folder only when the record says it was made and it is empty.

!define RECORD "KFWS_Airdrop setup.ini"

Var KFWS_FAILED   ; the folder or file (relative) that could not be made or written, or ""
Var KFWS_STEPS    ; files replaced so far: the number of the next backup
Var KFWS_LEFT     ; after KFWS_Undo: what could not be taken back, one per line

!macro KFWS_NewIni FILE
  FileOpen $0 "${FILE}" w
  FileWriteWord $0 0xFEFF  ; UTF-16: names with any letters survive any code page
  FileClose $0
!macroend

; Starts the journal: the record so far (an earlier installation's notes stand) and the marker.
Function KFWS_Begin
  InitPluginsDir
  CreateDirectory "$PLUGINSDIR\kept"
  StrCpy $KFWS_FAILED ""
  StrCpy $KFWS_STEPS 0
  System::Call 'kernel32::CopyFileW(w "$INSTDIR\${KFW}\${RECORD}", w "$PLUGINSDIR\record.ini", i 0) i .r0'
  ${If} $0 == 0
    !insertmacro KFWS_NewIni "$PLUGINSDIR\record.ini"
  ${EndIf}
  Push "~"
FunctionEnd

; $R8: a folder (relative) -> created and noted when missing; $KFWS_FAILED when impossible.
Function KFWS_MakeDirStep
  ${If} $KFWS_FAILED == ""
  ${AndIfNot} ${FileExists} "$INSTDIR\$R8\*.*"
    ClearErrors
    CreateDirectory "$INSTDIR\$R8"
    ${If} ${Errors}
    ${OrIfNot} ${FileExists} "$INSTDIR\$R8\*.*"
      StrCpy $KFWS_FAILED $R8
    ${Else}
      Push $R8
      Push "D"
      WriteINIStr "$PLUGINSDIR\record.ini" "Folders" $R8 "1"
    ${EndIf}
  ${EndIf}
FunctionEnd
!macro KFWS_MakeDir REL
  StrCpy $R8 "${REL}"
  Call KFWS_MakeDirStep
!macroend

; $R8: a file (relative) about to be written -> $R7 "N" when it is new, "B<n>" when its
; bytes are kept as backup n; $KFWS_FAILED when they cannot be kept.
Function KFWS_KeepOld
  StrCpy $R7 "N"
  ${If} ${FileExists} "$INSTDIR\$R8"
    IntOp $KFWS_STEPS $KFWS_STEPS + 1
    StrCpy $R7 "B$KFWS_STEPS"
    System::Call 'kernel32::CopyFileW(w "$INSTDIR\$R8", w "$PLUGINSDIR\kept\$KFWS_STEPS", i 0) i .r0'
    ${If} $0 == 0
      StrCpy $KFWS_FAILED $R8
    ${EndIf}
  ${EndIf}
FunctionEnd

; After the file $R8 was written (or not: the error flag): the step on the journal and
; the record, or $KFWS_FAILED. $R9: the CRC-32 written.
Function KFWS_Written
  ${If} ${Errors}
  ${OrIfNot} ${FileExists} "$INSTDIR\$R8"
    StrCpy $KFWS_FAILED $R8
  ${Else}
    Push $R8
    Push $R7
    WriteINIStr "$PLUGINSDIR\record.ini" "Files" $R8 $R9
  ${EndIf}
FunctionEnd

; One file of the release, REL in DIR, from SOURCE on the build machine.
!macro KFWS_Put DIR SOURCE CRC REL
  ${If} $KFWS_FAILED == ""
    StrCpy $R8 "${REL}"
    StrCpy $R9 "${CRC}"
    Call KFWS_KeepOld
    ${If} $KFWS_FAILED == ""
      SetOutPath "$INSTDIR\${DIR}"
      SetOverwrite try  ; a file held open sets the error flag instead of asking
      ClearErrors
      File "${SOURCE}"
      Call KFWS_Written
    ${EndIf}
  ${EndIf}
!macroend

; The uninstaller and the record, last, through the same journal.
Function KFWS_PutUninstallerAndRecord
  ${If} $KFWS_FAILED == ""
    StrCpy $R8 "${KFW}\${UNINSTALLER}"
    Call KFWS_KeepOld
    ${If} $KFWS_FAILED == ""
      ClearErrors
      WriteUninstaller "$INSTDIR\$R8"
      StrCpy $R9 ""
      Call KFWS_Written
    ${EndIf}
  ${EndIf}
  ${If} $KFWS_FAILED == ""
    WriteINIStr "$PLUGINSDIR\record.ini" "Setup" "Version" "${VERSION}"
    WriteINIStr "$PLUGINSDIR\record.ini" "Setup" "Language" $LANGUAGE
    FlushINI "$PLUGINSDIR\record.ini"
    StrCpy $R8 "${KFW}\${RECORD}"
    Call KFWS_KeepOld
    ${If} $KFWS_FAILED == ""
      System::Call 'kernel32::CopyFileW(w "$PLUGINSDIR\record.ini", w "$INSTDIR\$R8", i 0) i .r0'
      ClearErrors
      ${If} $0 == 0
        SetErrors
      ${EndIf}
      Call KFWS_Written
    ${EndIf}
  ${EndIf}
FunctionEnd

; Takes every step back, newest first; $KFWS_LEFT names what could not be.
Function KFWS_Undo
  StrCpy $KFWS_LEFT ""
  ${Do}
    Pop $0
    ${If} $0 == "~"
      ${Break}
    ${EndIf}
    Pop $1
    ${If} $0 == "D"
      RMDir "$INSTDIR\$1"
    ${ElseIf} $0 == "N"
      ClearErrors
      Delete "$INSTDIR\$1"
      ${If} ${Errors}
        StrCpy $KFWS_LEFT "$KFWS_LEFT$\r$\n$INSTDIR\$1"
      ${EndIf}
    ${Else}
      StrCpy $2 $0 "" 1
      System::Call 'kernel32::CopyFileW(w "$PLUGINSDIR\kept\$2", w "$INSTDIR\$1", i 0) i .r3'
      ${If} $3 == 0
        StrCpy $KFWS_LEFT "$KFWS_LEFT$\r$\n$INSTDIR\$1"
      ${EndIf}
    ${EndIf}
  ${Loop}
FunctionEnd

Function KFWS_Commit
  ${Do}
    Pop $0
    ${If} $0 == "~"
      ${Break}
    ${EndIf}
    Pop $1
  ${Loop}
FunctionEnd

; The uninstaller's side. $SIMDIR: the simulator's folder; the record copied to
; $PLUGINSDIR\record.ini by un.KFWS_ReadRecord.

Var KFWS_KEPT     ; files changed since they were installed, kept, one per line
Var KFWS_STUCK    ; files that could not be deleted, one per line

Function un.KFWS_ReadRecord
  InitPluginsDir
  StrCpy $KFWS_KEPT ""
  StrCpy $KFWS_STUCK ""
  System::Call 'kernel32::CopyFileW(w "$SIMDIR\${KFW}\${RECORD}", w "$PLUGINSDIR\record.ini", i 0) i .r0'
FunctionEnd

; $R0: a file -> $R1: the CRC-32 of its bytes in hex, "" when it cannot be read.
Function un.KFWS_Crc32
  StrCpy $R1 ""
  System::Call 'kernel32::CreateFileW(w R0, i 0x80000000, i 7, p 0, i 3, i 0, p 0) p .r1'
  ${If} $1 P<> -1
    System::Alloc 65536
    Pop $2
    StrCpy $3 0
    ${Do}
      System::Call 'kernel32::ReadFile(p r1, p r2, i 65536, *i .r4, p 0) i .r5'
      ${If} $5 == 0
        StrCpy $3 ""
        ${Break}
      ${EndIf}
      ${If} $4 == 0
        ${Break}
      ${EndIf}
      System::Call 'ntdll::RtlComputeCrc32(i r3, p r2, i r4) i .r3'
    ${Loop}
    System::Free $2
    System::Call 'kernel32::CloseHandle(p r1)'
    ${If} $3 != ""
      IntOp $3 $3 & 0xFFFFFFFF
      IntFmt $R1 "%08X" $3
    ${EndIf}
  ${EndIf}
FunctionEnd

; $R8: a file (relative) of the release -> deleted when this installation wrote it and it
; is still as written; noted in $KFWS_KEPT when it was changed, in $KFWS_STUCK when it
; cannot be deleted.
Function un.KFWS_RemoveStep
  ReadINIStr $R2 "$PLUGINSDIR\record.ini" "Files" $R8
  ${If} $R2 != ""
  ${AndIf} ${FileExists} "$SIMDIR\$R8"
    StrCpy $R0 "$SIMDIR\$R8"
    Call un.KFWS_Crc32
    ${If} $R1 == $R2
      ClearErrors
      Delete "$SIMDIR\$R8"
      ${If} ${Errors}
        StrCpy $KFWS_STUCK "$KFWS_STUCK$\r$\n$SIMDIR\$R8"
      ${EndIf}
    ${Else}
      DetailPrint "$(FileKept)"
      StrLen $0 $KFWS_KEPT
      ${If} $0 < 700
        StrCpy $KFWS_KEPT "$KFWS_KEPT$\r$\n$SIMDIR\$R8"
      ${ElseIf} $0 < 900
        StrCpy $KFWS_KEPT "$KFWS_KEPT$\r$\n…"
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd
!macro KFWS_Remove REL
  StrCpy $R8 "${REL}"
  Call un.KFWS_RemoveStep
!macroend

; Removes $SIMDIR\REL if this installation made it and it is empty (never its contents).
!macro KFWS_RemoveDirIfMade REL
  ReadINIStr $0 "$PLUGINSDIR\record.ini" "Folders" "${REL}"
  ${If} $0 == "1"
    RMDir "$SIMDIR\${REL}"
  ${EndIf}
!macroend
