; The setup program of KFWS_Airdrop: puts the module, its effects and guides into the
; simulator's folder, optionally simhost for aircraft makers, and writes an uninstaller
; that takes back exactly what was written and is still as written. Built by makensis with
;   -DVERSION=1.2.3.4 -DGEN=<folder of the generated file lists> -DOUTFILE=<setup.exe>
; Silent use: /S [/TOOLS] [/DOWNGRADE] [/D=folder]. Exit codes of the setup program:
;   0 installed, 1 cancelled by the user, 2 no simulator folder found, 3 the simulator is
;   running, 4 a folder or file could not be written (what was written is taken back),
;   5 a newer version is installed in the folder (/DOWNGRADE installs over it);
; of the uninstaller: 0 removed (changed files kept), 1 cancelled, 3 the simulator is
; running, 4 a file could not be deleted (the uninstaller and its entry stay for a retry).
; Nothing is written for 1, 2, 3 and 5.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "KFWS_Airdrop"
!define PUBLISHER "KestrelFieldWorks"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define KFW "Modules\KestrelFieldWorks"
!define UNINSTALLER "Uninstall ${PRODUCT}.exe"
!define MENU "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PUBLISHER} ${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include Sections.nsh

Var SIMDIR    ; the uninstaller: the simulator's folder
Var OWNENTRY  ; the uninstaller: 1 when the uninstall entry describes this installation

!define MUI_ABORTWARNING
!define MUI_CUSTOMFUNCTION_ABORT UserAbort
!define MUI_CUSTOMFUNCTION_UNABORT un.UserAbort
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(DirTop)"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(FinishText)"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${KFW}\Docs\$(GuideFile)"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(OpenGuide)"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Russian first: the default.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "© ${PUBLISHER}"

!include "Strings.nsh"
!include "Simulator.nsh"
!include "Files.nsh"
!include "Menu.nsh"

Section "$(SecMainName)" SecMain
  SectionIn RO
  Call KFWS_Begin
  !include "${GEN}\main-install.nsh"
SectionEnd

Section /o "$(SecToolsName)" SecTools
  !include "${GEN}\tools-install.nsh"
SectionEnd

; Last: the uninstaller and the record, then, only when every file is in place, the
; uninstall entry and the Start menu; otherwise everything written is taken back.
Section "-Finish"
  Call KFWS_PutUninstallerAndRecord
  ${If} $KFWS_FAILED != ""
    Call KFWS_Undo
    DetailPrint "$(WriteFailed)"
    ${If} $KFWS_LEFT == ""
      MessageBox MB_OK|MB_ICONSTOP "$(WriteFailed)$\r$\n$\r$\n$(AllUndone)" /SD IDOK
    ${Else}
      DetailPrint "$(NotUndone)$KFWS_LEFT"
      MessageBox MB_OK|MB_ICONSTOP "$(WriteFailed)$\r$\n$\r$\n$(NotUndone)$KFWS_LEFT" /SD IDOK
    ${EndIf}
    SetErrorLevel 4
    Abort
  ${EndIf}
  Call KFWS_Commit
  ; An entry left by an installation into another folder says nothing about this one.
  ReadRegStr $R0 HKLM "${UNINST_KEY}" "InstallLocation"
  Call KFWS_Canonical
  ${If} $R0 != $INSTDIR
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${EndIf}
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${KFW}\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${KFW}\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  SectionGetSize ${SecMain} $1
  ${If} ${SectionIsSelected} ${SecTools}
    SectionGetSize ${SecTools} $2
    IntOp $1 $1 + $2
  ${EndIf}
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $1
  Call KFWS_MakeMenu
SectionEnd

Function .onInit
  StrCpy $LANGUAGE ${LANG_RUSSIAN}
  ${IfNot} ${Silent}
    LangDLL::LangDialog "Язык установки / Setup language" "Выберите язык / Choose a language:" A ${MUI_LANGDLL_LANGUAGES} ""
    Pop $LANGUAGE
    ${If} $LANGUAGE == "cancel"
      SetErrorLevel 1
      Quit
    ${EndIf}
  ${EndIf}
  ${If} ${SimulatorRuns}
    MessageBox MB_OK|MB_ICONSTOP "$(SimRunning)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  ${GetOptions} $CMDLINE "/TOOLS" $0
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecTools}
  ${EndIf}
  ; /D= sets the folder; otherwise it is looked for.
  ${If} $INSTDIR != ""
    StrCpy $R0 $INSTDIR
    Call KFWS_Canonical
  ${Else}
    Call KFWS_FindSimulator
  ${EndIf}
  ${If} $R0 != ""
    StrCpy $INSTDIR $R0
  ${ElseIf} ${Silent}
    SetErrorLevel 2
    Quit
  ${Else}
    StrCpy $INSTDIR "$PROGRAMFILES\Microsoft Games\Flight Simulator 9"
  ${EndIf}
  ${If} ${Silent}
    Call KFWS_NewerInstalled
    ${GetOptions} $CMDLINE "/DOWNGRADE" $0
    ${If} ${Errors}
    ${AndIf} $R0 != ""
      SetErrorLevel 5
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function UserAbort
  SetErrorLevel 1
FunctionEnd

Function DirectoryLeave
  ${DoWhile} ${SimulatorRuns}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(SimRunningRetry)" IDRETRY +2
    Abort
  ${Loop}
  StrCpy $R0 $INSTDIR
  Call KFWS_Canonical
  ${If} $R0 == ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(NotAbsolute)"
    Abort
  ${EndIf}
  StrCpy $INSTDIR $R0
  ${IfNot} ${FileExists} "$INSTDIR\fs9.exe"
    MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 "$(NoFs9)" IDYES +2
    Abort
  ${EndIf}
  Call KFWS_NewerInstalled
  ${If} $R0 != ""
    MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 "$(NewerInstalled)" IDYES +2
    Abort
  ${EndIf}
FunctionEnd

; $R0 := the version installed in $INSTDIR when it is newer than this one, else "". The
; record tells; without one, the module's own version resource.
Function KFWS_NewerInstalled
  ReadINIStr $R0 "$INSTDIR\${KFW}\${RECORD}" "Setup" "Version"
  ${If} $R0 == ""
  ${AndIf} ${FileExists} "$INSTDIR\Modules\KFWS_Airdrop.dll"
    ClearErrors
    GetDLLVersion "$INSTDIR\Modules\KFWS_Airdrop.dll" $R1 $R2
    ${IfNot} ${Errors}
      IntOp $R3 $R1 >> 16
      IntOp $R3 $R3 & 0xFFFF
      IntOp $R1 $R1 & 0xFFFF
      IntOp $R4 $R2 >> 16
      IntOp $R4 $R4 & 0xFFFF
      IntOp $R2 $R2 & 0xFFFF
      StrCpy $R0 "$R3.$R1.$R4.$R2"
    ${EndIf}
  ${EndIf}
  ${If} $R0 != ""
    ${VersionCompare} $R0 "${VERSION}" $R1
    ${If} $R1 != 1
      StrCpy $R0 ""
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  ; The uninstaller lives in <simulator>\Modules\KestrelFieldWorks.
  ${un.GetParent} $INSTDIR $0
  ${un.GetParent} $0 $R0
  Call un.KFWS_Canonical
  StrCpy $SIMDIR $R0
  ReadINIStr $LANGUAGE "$SIMDIR\${KFW}\${RECORD}" "Setup" "Language"
  ${If} $LANGUAGE == ""
    StrCpy $LANGUAGE ${LANG_RUSSIAN}
  ${EndIf}
  ${If} ${SimulatorRuns}
    MessageBox MB_OK|MB_ICONSTOP "$(UnSimRunning)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
FunctionEnd

Function un.UserAbort
  SetErrorLevel 1
FunctionEnd

Section "Uninstall"
  ; The entry is this installation's when it names this folder, in any spelling.
  StrCpy $OWNENTRY 0
  ReadRegStr $R0 HKLM "${UNINST_KEY}" "InstallLocation"
  Call un.KFWS_Canonical
  ${If} $R0 == $SIMDIR
    StrCpy $OWNENTRY 1
  ${EndIf}
  ; Exactly the files this installation wrote, and of those only the ones still as written.
  Call un.KFWS_ReadRecord
  !include "${GEN}\main-delete.nsh"
  !include "${GEN}\tools-delete.nsh"
  ; Earlier versions put a copy of the module beside simhost; the record of an installation
  ; updated since still lists it.
  !insertmacro KFWS_Remove "${KFW}\Tools\KFWS_Airdrop.dll"
  ${If} $KFWS_STUCK != ""
    DetailPrint "$(UnStuck)$KFWS_STUCK"
    MessageBox MB_OK|MB_ICONSTOP "$(UnStuck)$KFWS_STUCK" /SD IDOK
    SetErrorLevel 4
    Abort
  ${EndIf}
  Delete "$SIMDIR\${KFW}\${UNINSTALLER}"
  Delete "$SIMDIR\${KFW}\${RECORD}"
  !include "${GEN}\tools-rmdir.nsh"
  !include "${GEN}\main-rmdir.nsh"
  ${If} $KFWS_KEPT != ""
    MessageBox MB_OK|MB_ICONINFORMATION "$(FilesKept)$KFWS_KEPT" /SD IDOK
  ${EndIf}
  ; Configuration files are never touched.
  ${If} ${FileExists} "$SIMDIR\${KFW}\KFWS_Airdrop\*.*"
    DetailPrint "$(ConfigKept)"
    MessageBox MB_OK|MB_ICONINFORMATION "$(ConfigKept)" /SD IDOK
  ${EndIf}
  ; The Start menu and the entry belong to the installation the entry names.
  ${If} $OWNENTRY == 1
    Call un.KFWS_ClearMenu
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${EndIf}
SectionEnd
