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

Name "$(TITLE)"
OutFile "${OUTFILE}"
BrandingText "$(TITLE) ${VERSION}"
; A file that cannot be written (the program started again meanwhile) is never passed over: the
; user may retry or cancel, and a silent install fails.
AllowSkipFiles off
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
; The program's own picture on the finish page (tools/windows draws it from its icon).
!define MUI_WELCOMEFINISHPAGE_BITMAP "${STAGE}\finish.bmp"

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
; The program's name in each, as its window's title is translated (tools/windows writes it from
; translations/), for the installer's pages, its shortcut and its entry in Apps & features.
!include "${STAGE}\titles.nsh"
; Asked and told when the program runs as it is being installed over or removed.
LangString RUNNING ${LANG_ENGLISH} "$(^Name) is open. Close it now and go on?"
LangString RUNNING ${LANG_GERMAN} "$(^Name) ist geöffnet. Jetzt schließen und fortfahren?"
LangString RUNNING ${LANG_FRENCH} "$(^Name) est ouvert. Le fermer maintenant et continuer ?"
LangString RUNNING ${LANG_SPANISH} "$(^Name) está abierta. ¿Cerrarla ahora y continuar?"
LangString RUNNING ${LANG_ITALIAN} "$(^Name) è aperto. Chiuderlo ora e continuare?"
LangString RUNNING ${LANG_PORTUGUESEBR} "$(^Name) está aberta. Fechá-la agora e continuar?"
LangString RUNNING ${LANG_POLISH} "$(^Name) jest otwarty. Zamknąć go teraz i kontynuować?"
LangString RUNNING ${LANG_DUTCH} "$(^Name) is geopend. Nu sluiten en doorgaan?"
LangString RUNNING ${LANG_TURKISH} "$(^Name) açık. Şimdi kapatılıp devam edilsin mi?"
LangString STILL_RUNNING ${LANG_ENGLISH} "$(^Name) could not be closed. Close it, then choose Retry."
LangString STILL_RUNNING ${LANG_GERMAN} "$(^Name) ließ sich nicht schließen. Schließen Sie ihn, und wählen Sie dann „Wiederholen“."
LangString STILL_RUNNING ${LANG_FRENCH} "$(^Name) n’a pas pu être fermé. Fermez-le, puis choisissez « Réessayer »."
LangString STILL_RUNNING ${LANG_SPANISH} "No se pudo cerrar $(^Name). Ciérrela y elija «Reintentar»."
LangString STILL_RUNNING ${LANG_ITALIAN} "Impossibile chiudere $(^Name). Chiuderlo, quindi scegliere «Riprova»."
LangString STILL_RUNNING ${LANG_PORTUGUESEBR} "Não foi possível fechar $(^Name). Feche-a e escolha “Repetir”."
LangString STILL_RUNNING ${LANG_POLISH} "Nie udało się zamknąć programu $(^Name). Zamknij go, a następnie wybierz „Ponów próbę”."
LangString STILL_RUNNING ${LANG_DUTCH} "$(^Name) kon niet worden gesloten. Sluit deze en kies daarna ‘Opnieuw’."
LangString STILL_RUNNING ${LANG_TURKISH} "$(^Name) kapatılamadı. Kapatın, ardından Yeniden Dene'yi seçin."

; A running copy of the program holds this mutex in the user's session, and ends, as File > Quit
; does, when this event is set (platform/qt/src/runtime/CloseRequests.cpp).
!define RUNNING_MUTEX "org.voltagedrop.VoltageDrop"
!define CLOSE_EVENT "org.voltagedrop.VoltageDrop.Close"
!define SYNCHRONIZE 0x00100000
!define EVENT_MODIFY_STATE 0x0002

; Windows neither replaces nor removes the file of a running program: every running copy is
; closed first, asked of the user where the installer shows its pages, and waited for, 10 s at
; most. One still running is never installed over: the installer ends with status 2 (1 where the
; user cancels), a silent one at once.
!macro CLOSE_PROGRAM UN
Function ${UN}CloseProgram
  retry:
  System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r0'
  StrCmp $0 0 done
  System::Call 'kernel32::CloseHandle(p r0)'
  MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" /SD IDOK IDOK close
  SetErrorLevel 1
  Quit
  close:
  System::Call 'kernel32::OpenEventW(i ${EVENT_MODIFY_STATE}, i 0, w "${CLOSE_EVENT}") p .r1'
  System::Call 'kernel32::SetEvent(p r1)'
  StrCpy $2 0
  wait:
  Sleep 100
  IntOp $2 $2 + 1
  System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r0'
  StrCmp $0 0 closed
  System::Call 'kernel32::CloseHandle(p r0)'
  IntCmp $2 100 0 wait
  ; The event is set until every copy has seen it: one started later must not end at once.
  System::Call 'kernel32::ResetEvent(p r1)'
  System::Call 'kernel32::CloseHandle(p r1)'
  MessageBox MB_RETRYCANCEL|MB_ICONSTOP "$(STILL_RUNNING)" /SD IDCANCEL IDRETRY retry
  SetErrorLevel 2
  Quit
  closed:
  System::Call 'kernel32::ResetEvent(p r1)'
  System::Call 'kernel32::CloseHandle(p r1)'
  done:
FunctionEnd
!macroend
!insertmacro CLOSE_PROGRAM ""
!insertmacro CLOSE_PROGRAM "un."

Function .onInit
  !insertmacro MULTIUSER_INIT
  Call CloseProgram
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  Call un.CloseProgram
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
  ; A file that could not be removed (the program started again meanwhile) keeps the program
  ; installed, its entry and shortcut too, for another try: the uninstaller ends with status 2.
  ClearErrors
  !include "${STAGE}\uninstall-files.nsh"
  IfErrors 0 +3
    SetErrorLevel 2
    Abort
  ReadRegStr $0 SHCTX "${SETTINGS_KEY}" "Shortcut"
  StrCmp $0 "" 0 +2
    StrCpy $0 "$SMPROGRAMS\${APP_NAME}.lnk"
  Delete "$0"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: anything the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
