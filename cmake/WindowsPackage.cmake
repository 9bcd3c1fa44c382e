# The two Windows packages of `make windows-package`, left in the build folder:
#   river-mouth-quiz-<version>-windows.zip        the 32-bit .exe, which starts
#                                                 on every Windows from 7 SP1 on,
#                                                 to run from anywhere, with
#                                                 LICENSE.txt and README.txt;
#   river-mouth-quiz-<version>-windows-setup.exe  an installer made with NSIS
#                                                 (packaging/windows/installer.nsi)
#                                                 that holds both programs and
#                                                 installs the one of the system.
# Names, version, publisher and home page come from cmake/Identity.cmake and
# the project's version, never from the scripts.
#
# They are made in the 64-bit build (preset windows); the 32-bit program comes
# from the build of preset windows-x86, which is configured and brought up to
# date first.
option(RMQ_WINDOWS_PACKAGE "Make the Windows zip and installer here (the 64-bit build)" ON)
if(NOT RMQ_WINDOWS_PACKAGE)
    return()
endif()

set(RMQ_WINDOWS_X86_BUILD ${PROJECT_SOURCE_DIR}/build/windows-x86 CACHE PATH
    "The 32-bit Windows build (preset windows-x86), whose program the zip and the installer carry")
set(RMQ_WINDOWS_X86_EXE ${RMQ_WINDOWS_X86_BUILD}/win32/river-mouth-quiz.exe)
add_custom_target(river-mouth-quiz-x86
    COMMAND sh -c "[ -f \"$1/CMakeCache.txt\" ] || \"$0\" --preset windows-x86 >/dev/null"
        ${CMAKE_COMMAND} ${RMQ_WINDOWS_X86_BUILD}
    COMMAND ${CMAKE_COMMAND} --build ${RMQ_WINDOWS_X86_BUILD} --target river-mouth-quiz
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    BYPRODUCTS ${RMQ_WINDOWS_X86_EXE}
    COMMENT "Bringing the 32-bit program up to date in ${RMQ_WINDOWS_X86_BUILD}"
    VERBATIM)

find_program(RMQ_MAKENSIS makensis DOC "NSIS's compiler, for the Windows installer")
find_program(RMQ_ZIP zip DOC "Info-ZIP's zip, for the Windows zip")

set(rmq_windows_source_dir ${PROJECT_SOURCE_DIR}/packaging/windows)
set(rmq_windows_dir ${PROJECT_BINARY_DIR}/packaging/windows)
set(rmq_windows_package river-mouth-quiz-${PROJECT_VERSION}-windows)
set(RMQ_WINDOWS_ZIP ${PROJECT_BINARY_DIR}/${rmq_windows_package}.zip)
set(RMQ_WINDOWS_INSTALLER ${PROJECT_BINARY_DIR}/${rmq_windows_package}-setup.exe)
get_filename_component(RMQ_WINDOWS_INSTALLER_NAME ${RMQ_WINDOWS_INSTALLER} NAME)
set(RMQ_WINDOWS_EXE_NAME river-mouth-quiz.exe)
set(RMQ_ICON_ICO ${PROJECT_SOURCE_DIR}/icons/river-mouth-quiz.ico)

# The texts beside the program, as Windows' own editors read them at best:
# CR LF line ends, and the README in UTF-8 with a byte-order mark.
string(ASCII 239 187 191 rmq_utf8_bom)
file(READ ${rmq_windows_source_dir}/README.txt.in rmq_readme)
file(CONFIGURE OUTPUT ${rmq_windows_dir}/README.txt
    CONTENT "${rmq_utf8_bom}${rmq_readme}" @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${rmq_windows_dir}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rmq_windows_source_dir}/README.txt.in)

# Sets <out> to <text> as the inside of an NSIS string in double quotes.
function(rmq_nsis_escape out text)
    string(REPLACE "$" "$$" text "${text}")
    string(REPLACE "\"" "$\\\"" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# What the installer script takes from the build: the identity.nsh it includes.
set(rmq_nsis_defines
    RMQ_NAME "${RMQ_NAME_BG}"
    RMQ_SUMMARY "${RMQ_SUMMARY_BG}"
    RMQ_PUBLISHER "${RMQ_PUBLISHER_URL}"
    RMQ_HOMEPAGE "${RMQ_HOMEPAGE}"
    RMQ_APP_ID "${RMQ_APP_ID}"
    RMQ_LICENSE "${RMQ_LICENSE}"
    RMQ_VERSION "${PROJECT_VERSION}"
    RMQ_VERSION_TEXT "${RMQ_VERSION_TEXT}"
    RMQ_VERSION_MAJOR "${PROJECT_VERSION_MAJOR}"
    RMQ_VERSION_MINOR "${PROJECT_VERSION_MINOR}"
    RMQ_EXE_NAME "${RMQ_WINDOWS_EXE_NAME}"
    RMQ_ICON "${RMQ_ICON_ICO}"
    RMQ_LICENSE_FILE "${rmq_windows_dir}/LICENSE.txt"
    RMQ_README_FILE "${rmq_windows_dir}/README.txt"
    RMQ_OUTFILE "${RMQ_WINDOWS_INSTALLER}"
)
set(rmq_identity "${rmq_utf8_bom}; Written by CMake from the build's configuration.\n")
while(rmq_nsis_defines)
    list(POP_FRONT rmq_nsis_defines name value)
    rmq_nsis_escape(value "${value}")
    string(APPEND rmq_identity "!define ${name} \"${value}\"\n")
endwhile()
string(APPEND rmq_identity "!define RMQ_EXE64 \"$<TARGET_FILE:river-mouth-quiz>\"\n")
string(APPEND rmq_identity "!define RMQ_EXE32 \"${RMQ_WINDOWS_X86_EXE}\"\n")
file(GENERATE OUTPUT ${rmq_windows_dir}/identity.nsh CONTENT "${rmq_identity}")

add_custom_command(OUTPUT ${RMQ_WINDOWS_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${RMQ_WINDOWS_ZIP}
    # Flat, without Unix owners and permissions.
    COMMAND ${RMQ_ZIP} -q -X -j ${RMQ_WINDOWS_ZIP}
        ${RMQ_WINDOWS_X86_EXE} ${rmq_windows_dir}/LICENSE.txt ${rmq_windows_dir}/README.txt
    DEPENDS river-mouth-quiz-x86 ${RMQ_WINDOWS_X86_EXE} ${rmq_windows_dir}/LICENSE.txt ${rmq_windows_dir}/README.txt
    COMMENT "Zipping ${rmq_windows_package}.zip"
    VERBATIM)

set(rmq_makensis ${RMQ_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 -DRMQ_IDENTITY=${rmq_windows_dir}/identity.nsh)
add_custom_command(OUTPUT ${RMQ_WINDOWS_INSTALLER}
    COMMAND ${rmq_makensis} ${rmq_windows_source_dir}/installer.nsi
    DEPENDS river-mouth-quiz river-mouth-quiz-x86 ${RMQ_WINDOWS_X86_EXE} ${rmq_windows_source_dir}/installer.nsi ${rmq_windows_dir}/identity.nsh
        ${rmq_windows_dir}/LICENSE.txt ${rmq_windows_dir}/README.txt ${RMQ_ICON_ICO}
    COMMENT "Making the installer ${RMQ_WINDOWS_INSTALLER_NAME}"
    VERBATIM)

add_custom_target(windows-package DEPENDS ${RMQ_WINDOWS_ZIP} ${RMQ_WINDOWS_INSTALLER})

# For the tests only: the installer whose uninstaller keeps a process running
# from the installed uninstall.exe for three seconds, as a slow first stage does.
set(RMQ_WINDOWS_HELD_INSTALLER ${PROJECT_BINARY_DIR}/tests/held-uninstaller-setup.exe)
add_custom_command(OUTPUT ${RMQ_WINDOWS_HELD_INSTALLER}
    COMMAND ${rmq_makensis} -DRMQ_TEST_HOLD_UNINSTALLER=${RMQ_WINDOWS_HELD_INSTALLER}
        ${rmq_windows_source_dir}/installer.nsi
    DEPENDS ${RMQ_WINDOWS_INSTALLER}
    COMMENT "Making the installer with the held uninstaller, for the tests"
    VERBATIM)
add_custom_target(windows-held-installer DEPENDS ${RMQ_WINDOWS_HELD_INSTALLER})
if(NOT RMQ_MAKENSIS OR NOT RMQ_ZIP)
    add_custom_command(TARGET windows-package PRE_BUILD
        COMMAND ${CMAKE_COMMAND} -E echo "makensis or zip is missing; scripts/install-deps.sh installs them (nsis, zip)"
        COMMAND ${CMAKE_COMMAND} -E false)
endif()

# The packages, tested under Wine: the test builds them first.
option(RMQ_TEST_WINDOWS_PACKAGE "Test the Windows zip and installer under Wine" ON)
if(RMQ_TEST_WINDOWS_PACKAGE)
    enable_testing()
    set(rmq_tests ${PROJECT_SOURCE_DIR}/tests/install)
    add_test(NAME windows.PackagesBuild
        COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target windows-package)
    set_tests_properties(windows.PackagesBuild PROPERTIES FIXTURES_SETUP windows_packages TIMEOUT 120)

    add_test(NAME windows.ZipHoldsTheProgramLicenceAndReadme
        COMMAND ${rmq_tests}/windows_zip_test.sh ${RMQ_WINDOWS_ZIP} ${RMQ_WINDOWS_X86_EXE}
            ${PROJECT_SOURCE_DIR}/LICENSE ${RMQ_NAME_BG} ${RMQ_VERSION_TEXT} ${RMQ_WINDOWS_INSTALLER_NAME})
    set_tests_properties(windows.ZipHoldsTheProgramLicenceAndReadme PROPERTIES
        FIXTURES_REQUIRED windows_packages TIMEOUT 60)

    # The installer is a 32-bit program: its tests need Wine's 32-bit half.
    set(rmq_installer_test ${PROJECT_SOURCE_DIR}/tests/win32/wine32.sh ${rmq_tests}/windows_installer_test.sh)
    set(rmq_installer_identity
        ${RMQ_APP_ID} ${RMQ_NAME_BG} ${RMQ_VERSION_TEXT} ${RMQ_PUBLISHER_URL} ${RMQ_HOMEPAGE} ${RMQ_SUMMARY_BG})
    add_test(NAME windows.InstallerInstallsAndUninstallsCleanly
        COMMAND ${rmq_installer_test} ${RMQ_WINDOWS_INSTALLER} $<TARGET_FILE:river-mouth-quiz>
            ${PROJECT_BINARY_DIR}/wine-installer-test ${rmq_installer_identity})
    set_tests_properties(windows.InstallerInstallsAndUninstallsCleanly PROPERTIES
        FIXTURES_REQUIRED windows_packages TIMEOUT 300 SKIP_RETURN_CODE 77)

    # The uninstaller removes its own file and folder however long its first
    # stage takes to exit.
    add_test(NAME windows.HeldInstallerBuilds
        COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target windows-held-installer)
    set_tests_properties(windows.HeldInstallerBuilds PROPERTIES
        FIXTURES_REQUIRED windows_packages FIXTURES_SETUP windows_held_installer TIMEOUT 120)
    add_test(NAME windows.UninstallerRemovesItselfWhileItsFirstStageRuns
        COMMAND ${rmq_installer_test} ${RMQ_WINDOWS_HELD_INSTALLER} $<TARGET_FILE:river-mouth-quiz>
            ${PROJECT_BINARY_DIR}/wine-held-uninstaller-test ${rmq_installer_identity})
    set_tests_properties(windows.UninstallerRemovesItselfWhileItsFirstStageRuns PROPERTIES
        FIXTURES_REQUIRED windows_held_installer TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
