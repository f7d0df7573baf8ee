; The Windows installer: per-machine (into Program Files) or per-user (into the user's
; programs folder), a Start-menu shortcut, an entry in Apps & features, and an uninstaller that
; removes exactly what was installed. makensis is given VERSION, STAGE (the folder holding the
; files to install, and the lines that install and remove each of them, which tools/windows
; writes from packaging/windows/files) and OUTFILE.
; A 64-bit installer, as the program is: Windows itself refuses both on a 32-bit system.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP_NAME "Voltage Drop Calculator"
!define PUBLISHER "Voltage Drop Calculator developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\org.voltagedrop.VoltageDrop"
!define SETTINGS_KEY "Software\VoltageDrop"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APP_NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${APP_NAME} ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "MIT licence; Qt under the LGPL-3.0"

!define MUI_ICON "${STAGE}\voltage-drop.ico"
!define MUI_UNICON "${STAGE}\voltage-drop.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\voltage-drop.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the user's Windows language where it has it: English first, the default.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Dutch"
; NSIS's Turkish has no words for the page that asks whom to install for: these are used.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Kullanıcıları seçin"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "$(^NameDA) uygulamasının hangi kullanıcılar için kurulacağını seçin."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "$(^NameDA) uygulamasını yalnızca kendiniz için mi, yoksa bu bilgisayarın tüm kullanıcıları için mi kurmak istediğinizi seçin. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Bu bilgisayarın tüm kullanıcıları için kur"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Yalnızca kendim için kur"
!insertmacro MUI_LANGUAGE "Turkish"
; The program's name in each, for its shortcut and its entry in Apps & features.
LangString TITLE ${LANG_ENGLISH} "${APP_NAME}"
LangString TITLE ${LANG_GERMAN} "Spannungsfall-Rechner"
LangString TITLE ${LANG_FRENCH} "Calcul de chute de tension"
LangString TITLE ${LANG_SPANISH} "Calculadora de caída de tensión"
LangString TITLE ${LANG_ITALIAN} "Calcolo della caduta di tensione"
LangString TITLE ${LANG_PORTUGUESEBR} "Calculadora de queda de tensão"
LangString TITLE ${LANG_POLISH} "Kalkulator spadku napięcia"
LangString TITLE ${LANG_DUTCH} "Spanningsvalcalculator"
LangString TITLE ${LANG_TURKISH} "Gerilim Düşümü Hesaplayıcı"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  !include "${STAGE}\install-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\$(TITLE).lnk" "$INSTDIR\voltage-drop.exe" "" \
    "$INSTDIR\voltage-drop.exe" 0
  ; The uninstaller removes the shortcut by this name, whatever language it runs in.
  WriteRegStr SHCTX "${SETTINGS_KEY}" "Shortcut" "$SMPROGRAMS\$(TITLE).lnk"

  WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "$(TITLE)"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\voltage-drop.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  ReadRegStr $0 SHCTX "${SETTINGS_KEY}" "Shortcut"
  StrCmp $0 "" 0 +2
    StrCpy $0 "$SMPROGRAMS\${APP_NAME}.lnk"
  Delete "$0"
  !include "${STAGE}\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: anything the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
