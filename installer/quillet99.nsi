; Quillet 99's set-up program and uninstaller. installer/make-setup.sh builds it:
;   makensis -XTarget=... -DOUTFILE=... -DVERSION=... -DBIN32=DIR -DBIN64=DIR -DREADME=FILE
; BIN32 and BIN64 each hold one build's three binaries and the help; 64-bit Windows gets the
; 64-bit build, every other Windows the 32-bit one.

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define PRODUCT "Quillet 99"
!define PUBLISHER "Brantle Software"
!define PRODUCT_KEY "Software\Brantle Software\Quillet 99"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet 99"
!define HOME_PAGE "http://www.quillet99.com/"
; The folder may be shared with other programs, whose readme and uninstaller have the usual names.
!define README_FILE "Quillet99.txt"
!define UNINSTALLER "Uninstall ${PRODUCT}.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 1999 ${PUBLISHER}"

Var HostWasRunning

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillet99.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends a running host the way its Exit command does, so that it gives back every window it
; hid or rolled up, and waits until its process is gone and no longer holds its files. A hung
; host is not waited for forever.
!macro CloseHostFunction un
Function ${un}CloseHost
    StrCpy $HostWasRunning 0
    FindWindow $0 "Quillet99" "Quillet 99"
    ${If} $0 == 0
        Return
    ${EndIf}
    StrCpy $HostWasRunning 1
    System::Call "user32::GetWindowThreadProcessId(p r0, *i 0 r1)"
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=10000
    ${If} $2 P<> 0
        System::Call "kernel32::WaitForSingleObject(p r2, i 10000)"
        System::Call "kernel32::CloseHandle(p r2)"
    ${EndIf}
    ; Where the process cannot be waited for, its window going away is the sign.
    ${For} $1 1 100
        FindWindow $0 "Quillet99" "Quillet 99"
        ${IfThen} $0 == 0 ${|} ${Break} ${|}
        Sleep 100
    ${Next}
FunctionEnd
!macroend
!insertmacro CloseHostFunction ""
!insertmacro CloseHostFunction "un."

; The hook library stays mapped into programs after the host has ended, until each of them
; next takes a message. Wait a moment for that, then move it aside, to go at the next restart:
; a new one can then take its place. Aside within its own folder, as a move to another volume
; would be a copy that leaves the held file where it is.
!macro FreeHookLibraryFunction un
Function ${un}FreeHookLibrary
    ${For} $1 1 30
        ClearErrors
        Delete "$INSTDIR\QUILLET99HOOK.DLL"
        ${IfNot} ${Errors}
            Return
        ${EndIf}
        Sleep 100
    ${Next}
    GetTempFileName $1 "$INSTDIR"
    Delete $1
    Rename "$INSTDIR\QUILLET99HOOK.DLL" $1
    Delete /REBOOTOK $1
FunctionEnd
!macroend
!insertmacro FreeHookLibraryFunction ""
!insertmacro FreeHookLibraryFunction "un."

; The registry view and the folder of the build that this Windows runs. An earlier install's
; folder wins over the default, and /D= over both.
!macro ChooseView
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
!macroend

Function .onInit
    !insertmacro ChooseView
    ${If} $INSTDIR == ""
        ReadRegStr $INSTDIR HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${EndIf}
    ${If} $INSTDIR == ""
        ${If} ${RunningX64}
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$PROGRAMFILES\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro ChooseView
FunctionEnd

!macro AddSize files
    ${GetSize} "$INSTDIR" "/M=${files} /S=0B /G=0" $1 $2 $3
    IntOp $0 $0 + $1
!macroend

Section "Install"
    Call CloseHost
    SetOutPath "$INSTDIR"
    Call FreeHookLibrary
    ${If} ${RunningX64}
        File "${BIN64}/Quillet99.exe" "${BIN64}/QUILLET99HOOK.DLL" "${BIN64}/KBDHOOK.DLL"
    ${Else}
        File "${BIN32}/Quillet99.exe" "${BIN32}/QUILLET99HOOK.DLL" "${BIN32}/KBDHOOK.DLL"
    ${EndIf}
    File "${BIN32}/Quillet99.hlp" "${BIN32}/Quillet99.cnt"
    File "/oname=${README_FILE}" "${README}"
    ; WinHelp's index of the old help file would not match the new one.
    Delete "$INSTDIR\Quillet99.gid"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Quillet99.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\Quillet99.hlp"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk" "$INSTDIR\${UNINSTALLER}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillet99.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; Its own files only, in kilobytes: the folder may hold other programs' too.
    StrCpy $0 0
    !insertmacro AddSize "Quillet99.*"
    !insertmacro AddSize "QUILLET99HOOK.DLL"
    !insertmacro AddSize "KBDHOOK.DLL"
    !insertmacro AddSize "${UNINSTALLER}"
    IntOp $0 $0 / 1024
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; An update of a running host leaves it running; otherwise the finish page offers to start it.
    ${If} $HostWasRunning == 1
    ${AndIf} ${Silent}
        Exec '"$INSTDIR\Quillet99.exe"'
    ${EndIf}
SectionEnd

; Removes what the set-up program made and what the host keeps for its user: its key and its
; start-up entry, each by its name; the folder goes only once nothing else is in it. The
; MouseWare values it may have written belong to that program and stay.
Section "Uninstall"
    Call un.CloseHost
    Call un.FreeHookLibrary
    Delete /REBOOTOK "$INSTDIR\QUILLET99HOOK.DLL"
    Delete "$INSTDIR\Quillet99.exe"
    Delete "$INSTDIR\KBDHOOK.DLL"
    Delete "$INSTDIR\Quillet99.hlp"
    Delete "$INSTDIR\Quillet99.cnt"
    Delete "$INSTDIR\Quillet99.gid"
    Delete "$INSTDIR\${README_FILE}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir /REBOOTOK "$INSTDIR"

    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKCU "${PRODUCT_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Brantle Software"
    ; Last, so that the entry stays while anything else is left to remove.
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
