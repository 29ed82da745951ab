; The per-user setup of Vellicor Rizezuza: no administrator rights, the
; program in the user's own Programs folder, a Start-menu entry and an entry
; in the user's list of installed programs. An upgrade installs over the
; program and keeps the user's settings, target folders and language.
; Built by tools/make-installer:
;   makensis -DSTAGE=<installation folder> -DICON=<icon> -DVERSION=<x.y.z> -DOUTFILE=<setup.exe> vellicor.nsi
; The program is 64-bit, and so is its setup.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define NAME "Vellicor Rizezuza"
!define PUBLISHER "Vellicor Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VellicorRizezuza"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Program"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    ; A fresh installation asks for the language at its first start; an
    ; upgrade keeps the language chosen before.
    IfFileExists "$INSTDIR\VLCRLANG.DRV" +2 0
        File "${STAGE}\VLSTART.1ST"
    File "${STAGE}\vellicor.exe"
    SetOutPath "$INSTDIR\lang"
    File /r "${STAGE}\lang\*.*"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\vellicor.exe" "" "$INSTDIR\vellicor.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME} ${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vellicor.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes the program's own files and nothing else: a picture someone put
; into the folder stays, and with it the folder.
Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\vellicor.exe"
    RMDir /r "$INSTDIR\lang"
    Delete "$INSTDIR\VLSTART.1ST"
    Delete "$INSTDIR\VLCRLANG.DRV"
    Delete "$INSTDIR\VLCREXT.INI"
    Delete "$INSTDIR\TARGET1.INI"
    Delete "$INSTDIR\TARGET2.INI"
    Delete "$INSTDIR\TARGET3.INI"
    Delete "$INSTDIR\TARGET4.INI"
    Delete "$INSTDIR\TARGET5.INI"
    Delete "$INSTDIR\VLCREXCL.INI"
    Delete "$INSTDIR\VLCRNAME.INI"
    Delete "$INSTDIR\VLCRWEBP.INI"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegValue HKCU "${RUN_KEY}" "${NAME}"
SectionEnd
