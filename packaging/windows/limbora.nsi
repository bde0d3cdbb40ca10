; SPDX-License-Identifier: GPL-3.0-or-later
; Limbora's Windows installer: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Limbora, with a Start menu entry and an entry in Windows' list of
; installed programs. It speaks Windows' language where it is one of Limbora's six. Uninstalling
; removes the program and keeps the settings (%APPDATA%\Limbora).
; makensis -DVERSION=<version> -DSTAGE=<folder with limbora.exe and its data> -DOUTFILE=<setup.exe>
;          -DLICENSE=<LICENSE> -DICON=<limbora.ico> limbora.nsi
; A 64-bit installer for the 64-bit program (and Wine without its 32-bit half runs it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Limbora"

Name "Limbora"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Limbora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Limbora"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Limbora setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "The Limbora authors, GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\limbora.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; No language dialog: the installer speaks Windows' own language where it is one of these, and the
; first where it is none of them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"

Section "Limbora"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Limbora.lnk" "$INSTDIR\limbora.exe" "" "$INSTDIR\limbora.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Limbora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Limbora team"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\limbora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://limbora.org/"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Limbora.lnk"
    ; Only what the installer put there, never the rest of a folder the user chose: the settings
    ; in %APPDATA%\Limbora stay.
    Delete "$INSTDIR\limbora.exe"
    Delete "$INSTDIR\*.wav"
    Delete "$INSTDIR\limbora.html"
    RMDir /r "$INSTDIR\de"
    RMDir /r "$INSTDIR\fr"
    RMDir /r "$INSTDIR\es"
    RMDir /r "$INSTDIR\it"
    RMDir /r "$INSTDIR\nl"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
