; The installer of Zelvo for Windows: for the user alone, without administrator
; rights, into %LOCALAPPDATA%\Programs\Zelvo, with a Start-menu shortcut, an optional
; start at login, an entry in Apps & features and an uninstaller. The installed
; folder has no `portable` marker: the settings live in %APPDATA%\Zelvo, which
; neither an upgrade nor the uninstaller touches.
;
; Silent use: zelvo-<version>-setup.exe /S installs, /LOGINSTART added ticks the
; start at login; Uninstall.exe /S in the installed folder removes it.
;
; Built by cmake/windows_setup.cmake:
;   makensis -WX -INPUTCHARSET UTF8 -DVERSION=2.5.0 -DSOURCE=<source folder>
;            -DBUILD=<build folder> -DPROGRAM=<zelvo.exe> -DOUTFILE=<setup.exe> zelvo.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!addincludedir "${__FILEDIR__}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvo"
!define START_MENU_SHORTCUT "$SMPROGRAMS\Zelvo.lnk"

Name "Zelvo"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zelvo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Zelvo ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Zelvo"
VIAddVersionKey /LANG=0 "CompanyName" "The Zelvo developers"
VIAddVersionKey /LANG=0 "FileDescription" "Zelvo ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 The Zelvo developers"

!define MUI_ICON "${BUILD}/zelvo.ico"
!define MUI_UNICON "${BUILD}/zelvo.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${BUILD}/LICENSE.txt"
Page custom LoginStartPage LoginStartPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zelvo.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the one for a Windows in neither language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!include languages.nsh

!include end_running.nsh
!include login_start.nsh
!include shortcut.nsh
!include uninstall_entry.nsh

Function .onInit
    Call InitLoginStart
FunctionEnd

Section
    Call EndRunningZelvo

    SetOutPath "$INSTDIR"
    File "/oname=zelvo.exe" "${PROGRAM}"
    File "${SOURCE}/help/help.chm"
    File "${BUILD}/LICENSE.txt"
    File "${BUILD}/README.txt"
    ; The shipped skins and help pages of this version only: an upgrade leaves none
    ; of an older one's behind. (The user's own skins live in %APPDATA%\Zelvo\skin.)
    RMDir /r "$INSTDIR\help"
    SetOutPath "$INSTDIR\help"
    File "${SOURCE}/help/*.html"
    File "${SOURCE}/help/style.css"
    RMDir /r "$INSTDIR\skin"
    SetOutPath "$INSTDIR\skin"
    File /r "${SOURCE}/skins/skin_*"

    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    Call WriteShortcut
    Call WriteLoginStart
    Call WriteUninstallEntry
SectionEnd

Section "Uninstall"
    Call un.EndRunningZelvo

    Delete "${START_MENU_SHORTCUT}"
    Call un.RemoveLoginStart
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; What the installer put there, and the folder when nothing else is left in it.
    Delete "$INSTDIR\zelvo.exe"
    Delete "$INSTDIR\help.chm"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    RMDir /r "$INSTDIR\help"
    RMDir /r "$INSTDIR\skin"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
