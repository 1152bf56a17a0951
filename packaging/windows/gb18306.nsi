; The Windows installer: the programs in Program Files, the window in the Start menu with its
; icon, an uninstaller registered with Windows.
; makensis -DVERSION=… -DBUILD=… -DSOURCE=… -DOUTFILE=… packaging/windows/gb18306.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

Name "gb18306 ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\gb18306"
RequestExecutionLevel admin
ShowInstDetails show

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\gb18306"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "gb18306"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "${BUILD}\gb18306.exe"
  File "${BUILD}\gb18306-cli.exe"
  File "/oname=README.md" "${SOURCE}\README.md"
  File "/oname=LICENSE.txt" "${SOURCE}\LICENSE"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\gb18306"
  CreateShortcut "$SMPROGRAMS\gb18306\gb18306.lnk" "$INSTDIR\gb18306.exe" "" "$INSTDIR\gb18306.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\gb18306.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "gb18306 ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  Delete "$INSTDIR\gb18306.exe"
  Delete "$INSTDIR\gb18306-cli.exe"
  SetShellVarContext all
  Delete "$SMPROGRAMS\gb18306\gb18306.lnk"
  RMDir "$SMPROGRAMS\gb18306"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
