; The Windows installer: the game for the user who runs it, without asking for an
; administrator, with a shortcut in the Start menu and an entry in the list of installed
; programs. The uninstaller takes away all of it. Its pages speak the player's Windows
; language where the game speaks it too, English otherwise.
; makensis -DVERSION=1.0.0 -DPROGRAM=Quillory.exe -DICON=AppIcon.ico -DOUTFILE=setup.exe
;          -DLANGUAGES=languages.nsh
; where languages.nsh inserts Modern UI's languages, English first, and defines in each the
; LangString "description", the shortcut's words.

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include FileFunc.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trundlex"
!define SHORTCUT "$SMPROGRAMS\Trundlex.lnk"

Name "Trundlex"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Trundlex"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Trundlex"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Trundlex ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "The Trundlex developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© 2026 The Trundlex developers"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include "${LANGUAGES}"

Section
    SetOutPath "$INSTDIR"
    File "/oname=Quillory.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\Quillory.exe" "" "$INSTDIR\Quillory.exe" 0 \
        SW_SHOWNORMAL "" "$(description)"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Trundlex"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillory.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Trundlex developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\Quillory.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
