; The Windows installer: the game for the user who runs it, without asking for an
; administrator, with a shortcut in the Start menu and an entry in the list of installed
; programs. The uninstaller takes away all of it.
; makensis -DVERSION=1.0.0 -DPROGRAM=Quillory.exe -DICON=AppIcon.ico -DOUTFILE=setup.exe

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trundlex"
!define SHORTCUT "$SMPROGRAMS\Trundlex.lnk"

Name "Trundlex"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Trundlex"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Trundlex"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Trundlex ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "The Trundlex developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© 2026 The Trundlex developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetOutPath "$INSTDIR"
    File "/oname=Quillory.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\Quillory.exe" "" "$INSTDIR\Quillory.exe" 0 \
        SW_SHOWNORMAL "" "Steer Tiblo the snail out of a maze before time runs out"
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
