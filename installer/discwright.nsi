; The kit's installer: Discwright, Vendisc and the help pages, the two registry
; values the wizard starts from, Start-menu entries and an uninstaller.
; Built by tools/make-installer, which passes:
;   ARCH         x86 (the shipped 32-bit kit) or amd64 (the 64-bit test build)
;   STARTER_EXE  the built Vendisc.exe        WIZARD_EXE  the built Discwright.exe
;   CLI_EXE      the built discwright-cli.exe (the command-line tool)
;   HELP_DIR     the help pages' folder       HELP_PAGES  an include file that defines
;   OUTFILE      the installer to write       the macro ForEachHelpPage (one line per file)
;   LIBARCHIVE_LICENCE  the licence of libarchive, which Discwright links (its image writer)
; Built-in commands only: no plug-in exists for every target.

!define PRODUCT "ZoruZaz AZ"
!define MAKER "QUAV"
!define VERSION "4.07"
!define SETTINGS_KEY "SOFTWARE\QUAV\ZoruzazAZ"
!define MAKER_KEY "SOFTWARE\QUAV"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZoruzazAZ"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"

!ifdef ARCH & STARTER_EXE & WIZARD_EXE & CLI_EXE & HELP_DIR & HELP_PAGES & OUTFILE & LIBARCHIVE_LICENCE
!else
  !error "Build the installer with tools/make-installer (ARCH, STARTER_EXE, WIZARD_EXE, CLI_EXE, HELP_DIR, HELP_PAGES, OUTFILE, LIBARCHIVE_LICENCE)"
!endif

; The programs are ANSI; the 64-bit stub exists only as Unicode. A 64-bit
; installer writes the 64-bit registry view, which the 64-bit programs read.
!if "${ARCH}" == "x86"
  Unicode false
  !define PROGRAM_FILES "$PROGRAMFILES"
!else if "${ARCH}" == "amd64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else
  !error "ARCH must be x86 or amd64, not ${ARCH}"
!endif

!include "${HELP_PAGES}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${MAKER}\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; A file that cannot be written ends the install with an error (silently: exit
; code 2) before anything is registered, instead of being skipped.
AllowSkipFiles off
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "LegalCopyright" "${MAKER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!macro SelectView
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
  SetShellVarContext all
!macroend

Function .onInit
  !insertmacro SelectView
FunctionEnd

Function un.onInit
  !insertmacro SelectView
FunctionEnd

!macro InstallHelpPage NAME
  File "${HELP_DIR}/${NAME}"
!macroend

!macro RemoveHelpPage NAME
  Delete "$INSTDIR\help\${NAME}"
!macroend

Section "Install"
  SetOutPath "$INSTDIR"
  File "/oname=Vendisc.exe" "${STARTER_EXE}"
  File "/oname=Discwright.exe" "${WIZARD_EXE}"
  File "/oname=libarchive-licence.txt" "${LIBARCHIVE_LICENCE}"
  File "/oname=discwright-cli.exe" "${CLI_EXE}"
  SetOutPath "$INSTDIR\help"
  !insertmacro ForEachHelpPage InstallHelpPage
  SetOutPath "$INSTDIR"
  ClearErrors
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  IfErrors 0 +2
    Abort "Could not write $INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${SETTINGS_KEY}" "InstallPath" "$INSTDIR"
  WriteRegStr HKLM "${SETTINGS_KEY}" "HelpFolder" "$INSTDIR\help"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Discwright.lnk" "$INSTDIR\Discwright.exe"
  CreateShortcut "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Discwright.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\Vendisc.exe"
  Delete "$INSTDIR\Discwright.exe"
  Delete "$INSTDIR\libarchive-licence.txt"
  Delete "$INSTDIR\discwright-cli.exe"
  !insertmacro ForEachHelpPage RemoveHelpPage
  ; Only if empty: pages the author put there stay.
  RMDir "$INSTDIR\help"
  ; What Discwright keeps in its own folder: the last licence text, and the
  ; temporary file of a write it did not finish.
  Delete "$INSTDIR\BackupLicenseAgreement.txt"
  Delete "$INSTDIR\BackupLicenseAgreement.txt.tmp"

  ; The values, shortcuts and uninstall entry belong to the copy the registry
  ; names. Removing an older copy in another folder must not cut the wizard off
  ; from the copy that is in use.
  ReadRegStr $0 HKLM "${SETTINGS_KEY}" "InstallPath"
  StrCmp $0 "" removeShared
  StrCmp $0 "$INSTDIR" removeShared keepShared
  removeShared:
    DeleteRegValue HKLM "${SETTINGS_KEY}" "InstallPath"
    DeleteRegValue HKLM "${SETTINGS_KEY}" "HelpFolder"
    ; The wizard keeps the author's settings under the same key.
    DeleteRegKey /ifempty HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
    Delete "${MENU_FOLDER}\Discwright.lnk"
    Delete "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk"
    RMDir "${MENU_FOLDER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  keepShared:

  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  ; The maker's folder, when the kit was the last thing in it.
  RMDir "${PROGRAM_FILES}\${MAKER}"
SectionEnd
