; The Start-menu shortcut, carrying the AppUserModelID that zelvo.exe gives itself
; (SetCurrentProcessExplicitAppUserModelID), so that the shell counts the running
; bar and the shortcut as one application. The property is written through the
; shortcut's property store with the System plug-in.

!include Win\COM.nsh
!include Win\Propkey.nsh

!define ZELVO_APP_ID "org.zelvo.Zelvo"

Function WriteShortcut
    CreateShortCut "${START_MENU_SHORTCUT}" "$INSTDIR\zelvo.exe" "" "$INSTDIR\zelvo.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"

    !insertmacro ComHlpr_CreateInProcInstance ${CLSID_ShellLink} ${IID_IShellLink} r0 ""
    ${If} $0 P<> 0
        ${IUnknown::QueryInterface} $0 '("${IID_IPersistFile}",.r1)'
        ${If} $1 P<> 0
            ${IPersistFile::Load} $1 '("${START_MENU_SHORTCUT}",${STGM_READWRITE}).r2'
            ${IUnknown::QueryInterface} $0 '("${IID_IPropertyStore}",.r3)'
            ${If} $2 = 0
            ${AndIf} $3 P<> 0
                System::Call '*(&w64 "${ZELVO_APP_ID}")p.r4'
                System::Call '*${SYSSTRUCT_PROPERTYKEY}(${PKEY_AppUserModel_ID})p.r5'
                System::Call '*${SYSSTRUCT_PROPVARIANT}(${VT_LPWSTR},,p r4)p.r6'
                ${IPropertyStore::SetValue} $3 '(r5,r6)'
                ${IPropertyStore::Commit} $3 ""
                ${IPersistFile::Save} $1 '("${START_MENU_SHORTCUT}",1)'
                System::Free $4
                System::Free $5
                System::Free $6
            ${EndIf}
            ${If} $3 P<> 0
                ${IUnknown::Release} $3 ""
            ${EndIf}
            ${IUnknown::Release} $1 ""
        ${EndIf}
        ${IUnknown::Release} $0 ""
    ${EndIf}
FunctionEnd
