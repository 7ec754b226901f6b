; The Six Dice installer for Windows (64-bit): installs for the user who runs it, without
; administrator rights, into %LOCALAPPDATA%\Programs\SixDice; its pages are Czech or English as the
; system's language is; a Start menu entry, a desktop shortcut if chosen, and an uninstaller
; registered under the user's "Apps & features". /S installs and uninstalls silently; /DESKTOP
; also makes the desktop shortcut in a silent install.
; makensis is given: VERSION (1.2.3), VERSION4 (1.2.3.0), PUBLISHER, HOMEPAGE, ICON, STAGE (the
; folder holding the files to install), FILES_INSTALL and FILES_UNINSTALL (the lists of File and
; Delete lines the build writes for STAGE) and OUTFILE.
; SPDX-FileCopyrightText: 2026 The Six Dice authors
; SPDX-License-Identifier: GPL-3.0-or-later

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define PRODUCT_KEY "SixDice"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_KEY}"
!define SETTINGS_KEY "Software\${PRODUCT_KEY}"

Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\SixDice"
InstallDirRegKey HKCU "${SETTINGS_KEY}" "InstallDir"
BrandingText "$(ProductName) ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\sixdice.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\COPYING.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one taken where the system's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Czech"

LangString ProductName ${LANG_ENGLISH} "Six Dice"
LangString ProductName ${LANG_CZECH} "Šest kostek"
LangString GameSection ${LANG_ENGLISH} "The game"
LangString GameSection ${LANG_CZECH} "Hra"
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_CZECH} "Zástupce na ploše"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Six Dice"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Six Dice installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© ${PUBLISHER}, GPL-3.0-or-later and CC-BY-SA-4.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductName" "Šest kostek"
VIAddVersionKey /LANG=${LANG_CZECH} "FileDescription" "Instalátor hry Šest kostek"
VIAddVersionKey /LANG=${LANG_CZECH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_CZECH} "LegalCopyright" "© ${PUBLISHER}, GPL-3.0-or-later a CC-BY-SA-4.0"
VIAddVersionKey /LANG=${LANG_CZECH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductVersion" "${VERSION}"

Section "!$(GameSection)" SecGame
    SectionIn RO
    !include "${FILES_INSTALL}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The shortcut starts the game in its own folder, where its data files are.
    CreateShortCut "$SMPROGRAMS\$(ProductName).lnk" "$INSTDIR\sixdice.exe" "" "$INSTDIR\sixdice.exe" 0
    WriteRegStr HKCU "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "$(ProductName)"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\sixdice.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "StartMenuShortcut" "$SMPROGRAMS\$(ProductName).lnk"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" SecDesktop
    SetOutPath "$INSTDIR"
    CreateShortCut "$DESKTOP\$(ProductName).lnk" "$INSTDIR\sixdice.exe" "" "$INSTDIR\sixdice.exe" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DesktopShortcut" "$DESKTOP\$(ProductName).lnk"
SectionEnd

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; The shortcuts by the names they were made with, in whichever language that was.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "StartMenuShortcut"
    ${If} $0 != ""
        Delete "$0"
    ${EndIf}
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DesktopShortcut"
    ${If} $0 != ""
        Delete "$0"
    ${EndIf}
    ; Only the files the installer put there: a folder the player chose may hold others.
    !include "${FILES_UNINSTALL}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd
