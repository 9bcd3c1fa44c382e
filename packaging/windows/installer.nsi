; The Windows installer: puts the program into Program Files for all users,
; the 64-bit one on 64-bit Windows and the 32-bit one on 32-bit Windows, adds
; it to the Start menu and registers its uninstaller with Add/Remove Programs
; in the registry view of that program. It refuses a Windows older than 7 SP1,
; where the program does not run. The names, version, publisher and files come from the build, in
; identity.nsh, which CMake writes next to the installer (cmake/WindowsPackage.cmake);
; build it with `make windows-package`.
;
; Run with /S it installs silently, into /D=<folder> if given; the uninstaller
; takes /S as well.

Unicode true
; A 32-bit installer, which starts on every Windows. On 64-bit Windows it
; writes the 64-bit registry view and the 64-bit Program Files folder, as the
; 64-bit program it installs there expects.
Target x86-unicode
SetCompressor /SOLID lzma
ManifestSupportedOS all
ManifestDPIAware true
RequestExecutionLevel admin

!include "${RMQ_IDENTITY}"
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${RMQ_APP_ID}"
!define UNINSTALLER "uninstall.exe"

Name "${RMQ_NAME}"
!ifdef RMQ_TEST_HOLD_UNINSTALLER
    ; A build for the tests only, written to the file this names: its
    ; uninstaller starts one more process from the installed file and keeps
    ; it running for three seconds, as a first stage slow to exit would.
    OutFile "${RMQ_TEST_HOLD_UNINSTALLER}"
!else
    OutFile "${RMQ_OUTFILE}"
!endif
BrandingText "${RMQ_PUBLISHER}"
; The folder is chosen in .onInit, once the registry view is the program's:
; where /D= says, else where an earlier installation is, else Program Files.

; The installer's own version record.
VIProductVersion "${RMQ_VERSION}"
VIFileVersion "${RMQ_VERSION}"

!define MUI_ICON "${RMQ_ICON}"
!define MUI_UNICON "${RMQ_ICON}"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Bulgarian"

VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "${RMQ_NAME}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "CompanyName" "${RMQ_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Инсталиране на ${RMQ_NAME}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${RMQ_VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductVersion" "${RMQ_VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "Лиценз: ${RMQ_LICENSE}"

LangString NeedsWindows7SP1 ${LANG_BULGARIAN} \
    "$(^NameDA) работи на Windows 7 със Service Pack 1 и на по-новите версии на Windows. Windows на този компютър е по-стар и програмата не може да се инсталира на него."
LangString NeedsAdministrator ${LANG_BULGARIAN} \
    "За да се инсталира или премахне $(^NameDA) за всички потребители на компютъра, са нужни права на администратор."

; Writing to Program Files and HKLM takes an administrator. Windows asks for
; one through the manifest; where it cannot (a limited account with UAC off),
; stop at once with a reason instead of failing on the first file.
!macro RequireAdministrator
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
        ; ERROR_ELEVATION_REQUIRED, for whoever ran it silently.
        SetErrorLevel 740
        Quit
    ${EndIf}
!macroend

; Windows 8 and later have no service pack; Windows 7 needs the first.
!macro RequireWindows7SP1
    ${IfNot} ${AtLeastWin8}
        ${IfNot} ${AtLeastWin7}
        ${OrIfNot} ${AtLeastServicePack} 1
            MessageBox MB_OK|MB_ICONSTOP "$(NeedsWindows7SP1)" /SD IDOK
            ; ERROR_OLD_WIN_VERSION, for whoever ran it silently.
            SetErrorLevel 1150
            Quit
        ${EndIf}
    ${EndIf}
!macroend

; The registry view and file system of the program that this Windows runs.
!macro UseProgramView
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
!macroend

Function .onInit
    !insertmacro RequireWindows7SP1
    !insertmacro RequireAdministrator
    SetShellVarContext all
    !insertmacro UseProgramView
    ${If} $INSTDIR == ""
        ReadRegStr $INSTDIR HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${EndIf}
    ${If} $INSTDIR == ""
        ${If} ${RunningX64}
            StrCpy $INSTDIR "$PROGRAMFILES64\${RMQ_NAME}"
        ${Else}
            StrCpy $INSTDIR "$PROGRAMFILES\${RMQ_NAME}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Function un.onInit
!ifdef RMQ_TEST_HOLD_UNINSTALLER
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/hold" $1
    ${IfNot} ${Errors}
        Sleep 3000
        Quit
    ${EndIf}
    Exec '"$INSTDIR\${UNINSTALLER}" /hold _?=$INSTDIR'
!endif
    !insertmacro RequireAdministrator
    SetShellVarContext all
    !insertmacro UseProgramView
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        File "/oname=${RMQ_EXE_NAME}" "${RMQ_EXE64}"
    ${Else}
        File "/oname=${RMQ_EXE_NAME}" "${RMQ_EXE32}"
    ${EndIf}
    File "/oname=LICENSE.txt" "${RMQ_LICENSE_FILE}"
    File "/oname=README.txt" "${RMQ_README_FILE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The working folder of the shortcut is $OUTDIR, the program's own.
    CreateShortCut "$SMPROGRAMS\${RMQ_NAME}.lnk" "$INSTDIR\${RMQ_EXE_NAME}" "" \
        "$INSTDIR\${RMQ_EXE_NAME}" 0 SW_SHOWNORMAL "" "${RMQ_SUMMARY}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${RMQ_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${RMQ_VERSION_TEXT}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" ${RMQ_VERSION_MAJOR}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMinor" ${RMQ_VERSION_MINOR}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${RMQ_PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${RMQ_HOMEPAGE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Comments" "${RMQ_SUMMARY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${RMQ_EXE_NAME},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, as Add/Remove Programs shows it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put there and nothing else: a folder that holds
; files of the user's own stays.
Section "Uninstall"
    Delete "$SMPROGRAMS\${RMQ_NAME}.lnk"
    Delete /REBOOTOK "$INSTDIR\${RMQ_EXE_NAME}"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    ; The uninstaller runs from a copy of itself in the temporary folder,
    ; which its first stage starts from the installed file without waiting
    ; for it. Until that stage has ended, Windows keeps the file from being
    ; deleted: try again for ten seconds, then leave it to the next restart.
    StrCpy $0 0
    ${Do}
        Delete "$INSTDIR\${UNINSTALLER}"
        ${IfNot} ${FileExists} "$INSTDIR\${UNINSTALLER}"
            ${Break}
        ${EndIf}
        IntOp $0 $0 + 1
        ${If} $0 >= 100
            Delete /REBOOTOK "$INSTDIR\${UNINSTALLER}"
            ${Break}
        ${EndIf}
        Sleep 100
    ${Loop}
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
