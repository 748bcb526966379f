; Installs Abacor for the current user alone, without administrator rights:
; the programs in the user's program folder, Start-menu shortcuts for both,
; and an uninstaller that removes all of that and leaves the user's settings
; (HKCU\Software\Korvel\Abacor) and tape alone. Japanese on a Japanese
; Windows, English elsewhere.
; makensis -DVERSION=... -DFILES=files.nsh -DICON=abacor.ico -DHOMEPAGE=... -DOUTFILE=... installer.nsi
Target amd64-unicode
SetCompressor /SOLID lzma
; One window over both programs: the second is mostly the first's Qt.
SetCompressorDictSize 64
RequestExecutionLevel user
ManifestDPIAware true
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "${FILES}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Abacor"
!define MENU_FOLDER "$SMPROGRAMS\Abacor"
; Held by Abacor.exe and AbacorSet.exe while they run.
!define RUNNING_MUTEX "Korvel.Abacor.Running"

Name "Abacor ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Abacor"
InstallDir "$LOCALAPPDATA\Programs\Abacor"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Abacor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartAbacor)"

!define MUI_PAGE_CUSTOMFUNCTION_SHOW WidenInstallButton
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the language of a Windows that speaks neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString StartAbacor ${LANG_ENGLISH} "Start Abacor"
LangString StartAbacor ${LANG_JAPANESE} "Abacor を起動"
LangString CalculatorLink ${LANG_ENGLISH} "Abacor Calculator"
LangString CalculatorLink ${LANG_JAPANESE} "Abacor 電卓"
LangString SettingsLink ${LANG_ENGLISH} "Abacor Settings"
LangString SettingsLink ${LANG_JAPANESE} "Abacorの設定"
LangString Running ${LANG_ENGLISH} "Abacor or its settings editor is running. Close it, then choose Retry."
LangString Running ${LANG_JAPANESE} "Abacor または Abacorの設定が起動しています。終了してから「再試行」を選んでください。"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Abacor"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Korvel"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Abacor Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 Korvel. MIT licence."
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Abacor"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "Korvel"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Abacor セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "Copyright (c) 2026 Korvel. MIT licence."

; A running program's files cannot be replaced or removed: asked to close it,
; and a silent run ends with status 2 instead of replacing half the files.
!macro AbacorUntilClosed
  retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    IntPtrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  closed:
!macroend

; "インストール(I)" is wider than the button the dialog gives it in a
; Japanese face: the button grows to the left, over the Back button the
; first page hides.
Function WidenInstallButton
  ${If} $LANGUAGE != ${LANG_JAPANESE}
    Return
  ${EndIf}
  GetDlgItem $0 $HWNDPARENT 1
  System::Call '*(i, i, i, i) p .r1'
  System::Call 'user32::GetWindowRect(p r0, p r1)'
  System::Call 'user32::MapWindowPoints(p 0, p $HWNDPARENT, p r1, i 2)'
  System::Call '*$1(i .r2, i .r3, i .r4, i .r5)'
  System::Free $1
  IntOp $6 $4 - $2
  IntOp $7 $6 / 2
  IntOp $2 $2 - $7
  IntOp $6 $6 + $7
  IntOp $8 $5 - $3
  ; SWP_NOZORDER | SWP_NOACTIVATE
  System::Call 'user32::SetWindowPos(p r0, p 0, i r2, i r3, i r6, i r8, i 0x14)'
FunctionEnd

Function .onInit
  !insertmacro AbacorUntilClosed
FunctionEnd

Function un.onInit
  !insertmacro AbacorUntilClosed
FunctionEnd

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !insertmacro AbacorInstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\$(CalculatorLink).lnk" "$INSTDIR\Abacor.exe" "" "$INSTDIR\Abacor.exe" 0
  CreateShortcut "${MENU_FOLDER}\$(SettingsLink).lnk" "$INSTDIR\AbacorSet.exe" "" "$INSTDIR\AbacorSet.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Abacor"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Korvel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Abacor.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}help/"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as Windows' list of programs shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro AbacorRemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The shortcuts under the names of either language they were made in.
  Delete "${MENU_FOLDER}\Abacor Calculator.lnk"
  Delete "${MENU_FOLDER}\Abacor 電卓.lnk"
  Delete "${MENU_FOLDER}\Abacor Settings.lnk"
  Delete "${MENU_FOLDER}\Abacorの設定.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
