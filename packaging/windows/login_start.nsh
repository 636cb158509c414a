; The start at login: the value "Zelvo" of the user's Run key holding the quoted path
; of the installed zelvo.exe, the same value Zelvo's own ログイン時に起動 check box
; writes. The page's check box starts ticked when that value is there already (an
; upgrade keeps it) or when the command line asks for it with /LOGINSTART. A value
; naming another copy of Zelvo (a portable one) is left alone.

!include nsDialogs.nsh

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Zelvo"

Var LoginStart
Var LoginStartBox

; $0: 1 when the Run value starts the Zelvo of $INSTDIR, else 0.
!macro ZELVO_LOGIN_START_IS_OURS prefix
Function ${prefix}IsOurLoginStart
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $0 == '"$INSTDIR\zelvo.exe"'
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
FunctionEnd

Function ${prefix}RemoveLoginStart
    Call ${prefix}IsOurLoginStart
    ${If} $0 = 1
        DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}
FunctionEnd
!macroend

!insertmacro ZELVO_LOGIN_START_IS_OURS ""
!insertmacro ZELVO_LOGIN_START_IS_OURS "un."

Function InitLoginStart
    Call IsOurLoginStart
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/LOGINSTART" $2
    ${IfNot} ${Errors}
        StrCpy $0 1
    ${EndIf}
    ${If} $0 = 1
        StrCpy $LoginStart ${BST_CHECKED}
    ${Else}
        StrCpy $LoginStart ${BST_UNCHECKED}
    ${EndIf}
FunctionEnd

Function LoginStartPage
    !insertmacro MUI_HEADER_TEXT "$(LoginStartTitle)" "$(LoginStartSubtitle)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateCheckbox} 0 0 100% 12u "$(LoginStartBox)"
    Pop $LoginStartBox
    ${NSD_SetState} $LoginStartBox $LoginStart
    ${NSD_CreateLabel} 0 24u 100% 24u "$(LoginStartNote)"
    Pop $0
    nsDialogs::Show
FunctionEnd

Function LoginStartPageLeave
    ${NSD_GetState} $LoginStartBox $LoginStart
FunctionEnd

Function WriteLoginStart
    ${If} $LoginStart = ${BST_CHECKED}
        WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\zelvo.exe"'
    ${Else}
        Call RemoveLoginStart
    ${EndIf}
FunctionEnd
