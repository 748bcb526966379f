; Installs Abacor for the current user alone, without administrator rights:
; the programs in the user's program folder, Start-menu shortcuts for both,
; and an uninstaller that removes all of that and leaves the user's settings
; (HKCU\Software\Korvel\Abacor) and tape alone.
; makensis -DVERSION=... -DFILES=files.nsh -DICON=abacor.ico -DOUTFILE=... installer.nsi
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
!include "${FILES}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Abacor"
!define MENU_FOLDER "$SMPROGRAMS\Abacor"

Name "Abacor ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Abacor"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductName" "Abacor"
VIAddVersionKey /LANG=1041 "CompanyName" "Korvel"
VIAddVersionKey /LANG=1041 "FileDescription" "Abacor セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 Korvel. MIT licence."

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro AbacorInstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Abacor 電卓.lnk" "$INSTDIR\Abacor.exe" "" "$INSTDIR\Abacor.exe" 0
  CreateShortcut "${MENU_FOLDER}\Abacorの設定.lnk" "$INSTDIR\AbacorSet.exe" "" "$INSTDIR\AbacorSet.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Abacor"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Korvel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Abacor.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro AbacorRemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${MENU_FOLDER}\Abacor 電卓.lnk"
  Delete "${MENU_FOLDER}\Abacorの設定.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
