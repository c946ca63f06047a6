; The setup program of KFWS_Airdrop: puts the module, its effects and guides into the
; simulator's folder, optionally simhost for aircraft makers, and writes an uninstaller
; that takes back exactly what was written. Built by makensis with
;   -DVERSION=1.2.3.4 -DGEN=<folder of the generated file lists> -DOUTFILE=<setup.exe>
; Silent use: /S [/TOOLS] [/D=folder]; exit code 2: no simulator folder found, 3: the
; simulator is running (nothing is written in either case).

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "KFWS_Airdrop"
!define PUBLISHER "KestrelFieldWorks"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define KFW "Modules\KestrelFieldWorks"
!define UNINSTALLER "Uninstall ${PRODUCT}.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PUBLISHER} ${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

Var SIMDIR    ; the uninstaller: the simulator's folder
Var OWNENTRY  ; the uninstaller: 1 when the uninstall entry describes this installation

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_WINDOWTITLE "Язык установки / Setup language"
!define MUI_LANGDLL_INFO "Выберите язык / Choose a language:"
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINST_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(DirTop)"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
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
!include "Folders.nsh"
!include "Simulator.nsh"

Section "$(SecMainName)" SecMain
  SectionIn RO
  ; An entry left by an installation into another folder says nothing about this one.
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${EndIf}
  !include "${GEN}\main-install.nsh"
  WriteUninstaller "$INSTDIR\${KFW}\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${KFW}\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${KFW}\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  SectionGetSize ${SecMain} $1
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $1
SectionEnd

Section /o "$(SecToolsName)" SecTools
  !include "${GEN}\tools-install.nsh"
  WriteRegDWORD HKLM "${UNINST_KEY}" "Tools" 1
  SectionGetSize ${SecMain} $1
  SectionGetSize ${SecTools} $2
  IntOp $1 $1 + $2
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $1
SectionEnd

Function .onInit
  StrCpy $LANGUAGE ${LANG_RUSSIAN}
  !insertmacro MUI_LANGDLL_DISPLAY
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
  ${If} $INSTDIR == ""
    Call KFWS_FindSimulator
    ${If} $R0 != ""
      StrCpy $INSTDIR $R0
    ${ElseIf} ${Silent}
      SetErrorLevel 2
      Quit
    ${Else}
      StrCpy $INSTDIR "$PROGRAMFILES\Microsoft Games\Flight Simulator 9"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  ${DoWhile} ${SimulatorRuns}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(SimRunningRetry)" IDRETRY +2
    Abort
  ${Loop}
  ${IfNot} ${FileExists} "$INSTDIR\fs9.exe"
    MessageBox MB_YESNO|MB_ICONEXCLAMATION "$(NoFs9)" IDYES +2
    Abort
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  ${If} ${SimulatorRuns}
    MessageBox MB_OK|MB_ICONSTOP "$(UnSimRunning)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  ; The uninstaller lives in <simulator>\Modules\KestrelFieldWorks.
  ${un.GetParent} $INSTDIR $0
  ${un.GetParent} $0 $SIMDIR
FunctionEnd

Section "Uninstall"
  StrCpy $OWNENTRY 0
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 == $SIMDIR
    StrCpy $OWNENTRY 1
  ${EndIf}
  ; Exactly the files the installer wrote; the tools' only when they were installed here
  ; (or when no entry tells).
  !include "${GEN}\main-delete.nsh"
  ReadRegDWORD $1 HKLM "${UNINST_KEY}" "Tools"
  ${If} $1 == 1
  ${OrIf} $OWNENTRY == 0
    !include "${GEN}\tools-delete.nsh"
  ${EndIf}
  Delete "$SIMDIR\${KFW}\${UNINSTALLER}"
  !include "${GEN}\tools-rmdir.nsh"
  !include "${GEN}\main-rmdir.nsh"
  ; Configuration files are never touched.
  ${If} ${FileExists} "$SIMDIR\${KFW}\KFWS_Airdrop\*.*"
    DetailPrint "$(ConfigKept)"
    MessageBox MB_OK|MB_ICONINFORMATION "$(ConfigKept)" /SD IDOK
  ${EndIf}
  ${If} $OWNENTRY == 1
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${EndIf}
SectionEnd
