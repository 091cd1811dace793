; The Windows setup program: installs Quorvex for the current user without administrator
; rights, with Start Menu entries and an entry in Apps & features, and an uninstaller that
; removes exactly the files it installed. The director's own files in the program folder
; (the main deal file, the entropy log) and the settings in HKEY_CURRENT_USER\Quorvex stay.
;
; scripts/package.sh windows stages the files and defines, on makensis's command line:
;   VERSION  the program's version        STAGE   the folder of the files to install
;   OUTFILE  the setup program to write   SIZE_KB their size in KiB
; STAGE holds install-files.nsh and uninstall-files.nsh, the lists it made of those files.

Unicode true
; Debian's Wine is 64-bit only: a 32-bit installer would exit at once there.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Quorvex"
!define PUBLISHER "The Quorvex developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvex"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!define MUI_ICON "${STAGE}\quorvex.ico"
!define MUI_UNICON "${STAGE}\quorvex.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvex.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licences\Quorvex.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Quorvex"
  ; An earlier version goes first, through its own uninstaller run in place, so that none of
  ; its files outlive it; the director's files stay as they do on every uninstall.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $0 "" fresh
  IfFileExists "$0\uninstall.exe" 0 fresh
  ExecWait '"$0\uninstall.exe" /S _?=$0'
  Delete "$0\uninstall.exe"
  RMDir "$0"
fresh:
  !include "${STAGE}\install-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Quorvex"
  CreateShortcut "$SMPROGRAMS\Quorvex\Quorvex.lnk" "$INSTDIR\quorvex.exe"
  CreateShortcut "$SMPROGRAMS\Quorvex\Uninstall Quorvex.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; By name only: the folder also holds the director's main deal file and entropy log.
  !include "${STAGE}\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Quorvex\Quorvex.lnk"
  Delete "$SMPROGRAMS\Quorvex\Uninstall Quorvex.lnk"
  RMDir "$SMPROGRAMS\Quorvex"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
