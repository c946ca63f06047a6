; The Start menu folder named for the product, for all users: the guides in both languages
; (each named in its own), the maker's tool when it is installed, the uninstaller.

; Deletes the folder's links in either language, then the folder when nothing else is in it.
!macro KFWS_ClearMenuFunction UN
Function ${UN}KFWS_ClearMenu
  SetShellVarContext all
  Delete "${MENU}\${LNK_GUIDE_RU}.lnk"
  Delete "${MENU}\${LNK_GUIDE_EN}.lnk"
  Delete "${MENU}\${LNK_TOOL_RU}.lnk"
  Delete "${MENU}\${LNK_TOOL_EN}.lnk"
  Delete "${MENU}\${LNK_UNINSTALL_RU}.lnk"
  Delete "${MENU}\${LNK_UNINSTALL_EN}.lnk"
  RMDir "${MENU}"
  SetShellVarContext current
FunctionEnd
!macroend
!insertmacro KFWS_ClearMenuFunction ""
!insertmacro KFWS_ClearMenuFunction "un."

; The links of the installation in $INSTDIR (links of one elsewhere are replaced). A link
; that cannot be made is reported, not fatal: every file is already in place.
Function KFWS_MakeMenu
  Call KFWS_ClearMenu
  SetShellVarContext all
  ClearErrors
  CreateDirectory "${MENU}"
  CreateShortcut "${MENU}\${LNK_GUIDE_RU}.lnk" "$INSTDIR\${KFW}\Docs\user-guide.ru.html"
  CreateShortcut "${MENU}\${LNK_GUIDE_EN}.lnk" "$INSTDIR\${KFW}\Docs\user-guide.en.html"
  ${If} ${FileExists} "$INSTDIR\${KFW}\Tools\simhost.exe"
    SetOutPath "$INSTDIR\${KFW}\Tools"
    CreateShortcut "${MENU}\$(LnkTool).lnk" "$INSTDIR\${KFW}\Tools\simhost.exe" \
      '--simulator "$INSTDIR\${KFW}\Tools\simulator"'
  ${EndIf}
  CreateShortcut "${MENU}\$(LnkUninstall).lnk" "$INSTDIR\${KFW}\${UNINSTALLER}"
  ${If} ${Errors}
    DetailPrint "$(MenuFailed)"
  ${EndIf}
  SetShellVarContext current
FunctionEnd
