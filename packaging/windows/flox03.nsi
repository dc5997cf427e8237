; The Windows installer of the flox03 program and its library, made by
; script/windows with Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=... -DICON=... -DINSTALL_LIST=...
;            -DUNINSTALL_LIST=... -DOUTFILE=... flox03.nsi
; INSTALL_LIST and UNINSTALL_LIST name every file of the program folder, so
; that the uninstaller removes exactly what was installed: a study the user
; kept in that folder stays, and so does the folder then.
Unicode true
; A 64-bit installer, like the program it installs (wine64 runs only 64-bit code).
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!define TITLE "Μελέτες Ενεργητικής Πυροπροστασίας"
!define FILE_CLASS "flox03.Study"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\flox03"

Name "${TITLE}"
Caption "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\flox03"
InstallDirRegKey HKLM "Software\flox03" "InstallDir"
RequestExecutionLevel admin
BrandingText "flox03 ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The product's name is long: the welcome and finish titles get three lines.
!define MUI_WELCOMEPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_RUN "$INSTDIR\flox03.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "open"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Greek"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_GREEK} "ProductName" "${TITLE}"
VIAddVersionKey /LANG=${LANG_GREEK} "FileDescription" "Εγκατάσταση: ${TITLE}"
VIAddVersionKey /LANG=${LANG_GREEK} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GREEK} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GREEK} "LegalCopyright" "flox03"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Το πρόγραμμα χρειάζεται Windows 64-bit." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "${TITLE}"
  SetShellVarContext all
  !include "${INSTALL_LIST}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\flox03" "InstallDir" "$INSTDIR"

  ; The Start-menu entry opens the desktop window.
  CreateShortCut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\flox03.exe" "open" "$INSTDIR\flox03.ico" 0

  ; A study file (.flx) opens in the desktop window, shown with the icon.
  WriteRegStr HKLM "Software\Classes\.flx" "" "${FILE_CLASS}"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}" "" "Μελέτη ενεργητικής πυροπροστασίας"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\DefaultIcon" "" "$INSTDIR\flox03.ico,0"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\flox03.exe" open "%1"'

  ; Programs and Features.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "flox03"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\flox03.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; Explorer shows the new file type at once (SHCNE_ASSOCCHANGED).
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  ; Exactly the installed files; studies are never among them.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${TITLE}.lnk"
  ; The file type goes only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.flx" ""
  ${If} $0 == "${FILE_CLASS}"
    DeleteRegKey HKLM "Software\Classes\.flx"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${FILE_CLASS}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\flox03"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
