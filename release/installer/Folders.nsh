; The folders the installer makes, noted in its uninstall entry (value "Made <folder>")
; so that the uninstaller removes only those, and only when they are empty again.

; Creates $INSTDIR\REL when it is missing and notes that it did. A note left by an earlier
; installation into the same folder stands.
!macro KFWS_MakeDir REL
  ${IfNot} ${FileExists} "$INSTDIR\${REL}\*.*"
    CreateDirectory "$INSTDIR\${REL}"
    WriteRegStr HKLM "${UNINST_KEY}" "Made ${REL}" "1"
  ${EndIf}
!macroend

; Removes $SIMDIR\REL if this installation made it and it is empty (never its contents).
!macro KFWS_RemoveDirIfMade REL
  ${If} $OWNENTRY == 1
    ReadRegStr $0 HKLM "${UNINST_KEY}" "Made ${REL}"
    ${If} $0 == "1"
      RMDir "$SIMDIR\${REL}"
    ${EndIf}
  ${EndIf}
!macroend
