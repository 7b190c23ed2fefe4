; The Korvane installer for Windows: a per-user installation that needs no administrator
; rights, a Start menu entry and an uninstaller that leaves the user's own files alone.
; scripts/windows makes it with Debian's makensis and these defines:
;   VERSION     the program's version, for example 1.2.0
;   STAGE       the folder holding everything to install (the portable bundle)
;   LICENSE     the licence text shown before installing (the GPL, version 3)
;   ICON        the program's icon
;   UNINSTALL   a generated script of Delete and RMDir lines for the staged files
;   OUTFILE     the installer to write
; A 64-bit installer for the 64-bit program (and the only kind a Wine without its 32-bit
; half can run).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"

Name "Korvane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Korvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Korvane ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Korvane"
VIAddVersionKey /LANG=1033 "FileDescription" "Korvane ${VERSION} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "The Korvane developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 The Korvane developers. GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; Offered at the end: Korvane as the Start menu starts it, in the user's folder.
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvane.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "--user-folder"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Korvane"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; Started from the Start menu, Korvane works in %LOCALAPPDATA%\Korvane, which it
    ; creates and fills with the example files on first start.
    CreateShortCut "$SMPROGRAMS\Korvane.lnk" "$INSTDIR\korvane.exe" "--user-folder" \
        "$INSTDIR\korvane.exe" 0 SW_SHOWNORMAL "" "Diagnostic tool for the control units of a car"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Korvane developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Korvane.lnk"
    ; Only what the installer put there: the user's folder and anything the user saved
    ; beside the programs stay.
    !include "${UNINSTALL}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
