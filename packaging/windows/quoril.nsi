; The Windows installer: the programs, the documents and a Start-menu entry,
; with an uninstaller registered under Add/Remove Programs. Built by the
; Windows build (packaging/windows/CMakeLists.txt) with
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder of the files> -DOUTFILE=<setup.exe>
; STAGE holds what is installed: quoril-cli.exe, quoril.exe when the build
; has it, README.md, copyright.txt and docs\.
;
; The card's request library W32N50.dll comes with the card's driver: the
; installer never installs it and the uninstaller never removes it (nor
; anything else it did not install). The user's settings, under
; HKCU\Software\WLAN Quoril, stay for a later install.

; TARGET=amd64-unicode builds the installer of the 64-bit test build, which
; only the tests of machines without 32-bit support run.
!ifdef TARGET
  Target ${TARGET}
!else
  Unicode true
!endif
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define PRODUCT "WLAN Quoril"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; A 32-bit program: "Program Files (x86)" on a 64-bit Windows.
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "The WLAN Quoril developers (MIT licence)"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The Start-menu entry opens the windows, or the terminal program's folder
; in a build without them.
!if /FileExists "${STAGE}\quoril.exe"
  !define SHORTCUT_TARGET "$INSTDIR\quoril.exe"
!else
  !define SHORTCUT_TARGET "$INSTDIR"
!endif

Section "${PRODUCT}"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\*.exe"
  File "${STAGE}\README.md"
  File "${STAGE}\copyright.txt"
  SetOutPath "$INSTDIR\docs"
  File /r "${STAGE}\docs\*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "${SHORTCUT_TARGET}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The WLAN Quoril developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there, by name: a W32N50.dll or a settings file
; the user keeps in the folder stays, and so does the folder then.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\quoril.exe"
  Delete "$INSTDIR\quoril-cli.exe"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\copyright.txt"
  RMDir /r "$INSTDIR\docs"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
