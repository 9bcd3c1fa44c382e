; The Windows installer: puts the program into Program Files for all users,
; adds it to the Start menu and registers its uninstaller with Add/Remove
; Programs. The names, version, publisher and files come from the build, in
; identity.nsh, which CMake writes next to the installer (cmake/WindowsPackage.cmake);
; build it with `make windows-package`.
;
; Run with /S it installs silently, into /D=<folder> if given; the uninstaller
; takes /S as well.

Unicode true
; A 64-bit installer for the 64-bit program: it writes the 64-bit registry
; view and the 64-bit Program Files folder, as the program expects.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestSupportedOS all
ManifestDPIAware true
RequestExecutionLevel admin

!include "${RMQ_IDENTITY}"
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${RMQ_APP_ID}"
!define UNINSTALLER "uninstall.exe"

Name "${RMQ_NAME}"
OutFile "${RMQ_OUTFILE}"
BrandingText "${RMQ_PUBLISHER}"
InstallDir "$PROGRAMFILES64\${RMQ_NAME}"
; A second installation goes where the first one is, unless told otherwise.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

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

Function .onInit
    !insertmacro RequireAdministrator
    SetShellVarContext all
FunctionEnd

Function un.onInit
    !insertmacro RequireAdministrator
    SetShellVarContext all
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "/oname=${RMQ_EXE_NAME}" "${RMQ_EXE}"
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
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
