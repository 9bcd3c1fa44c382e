#!/usr/bin/env bash
# Installs the Windows installer silently under Wine, as an administrator's
# script would (/S), on 64-bit Windows, where it must install the 64-bit
# program (EXE), after it has refused a Windows older than 7 SP1; checks the files, the Start-menu entry and the entry in
# Add/Remove Programs, starts the installed program and closes it with
# Alt+F4, runs the uninstaller as Add/Remove Programs registers it, and checks
# that the installation left nothing behind: every file of drive C: and every
# registry key under Software is as before the installation.
#
# Everything happens in a Wine prefix of its own, made afresh, on an X display
# of its own; the prefix's wineserver and the display are ended at the end.
# Usage: windows_installer_test.sh INSTALLER EXE PREFIX APP_ID NAME VERSION_TEXT PUBLISHER HOMEPAGE SUMMARY
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../own_display.sh"
export LC_ALL=C.UTF-8

installer=$1 exe=$2 prefix=$3 app_id=$4 name=$5 version_text=$6 publisher=$7 homepage=$8 summary=$9

for tool in wine wineserver Xvfb xdotool iconv; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/install-deps.sh installs it"; exit 1; }
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$prefix"
mkdir -p "$prefix"
work=$prefix/work
mkdir -p "$work/home"
export WINEPREFIX=$prefix/wine
# Wine asks for no Mono and no Gecko, and writes no menu entries of the host's.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=-all
# Nothing of the test in the user's own home.
export HOME=$work/home

xvfb=
cleanup() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
}
trap cleanup EXIT

start_own_display "$work" -screen 0 1024x768x24 -nolisten tcp || { echo "FAIL: no display of its own"; exit 1; }
export DISPLAY=$display

wineboot -i >/dev/null 2>&1
# Wine has no Times New Roman, which the program's texts are set in; Windows
# has it. Its metric twin stands in for it.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null
wineserver -w

drive_c=$WINEPREFIX/drive_c
install_dir=$drive_c/Program\ Files/$name
install_dir_win="C:\\Program Files\\$name"
shortcut=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/$name.lnk
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app_id"

# Exports a registry key of the 64-bit view as UTF-8 text; fails when it is
# not there. Where wine is the 32-bit loader (Debian's wine32), its reg.exe
# reads the 32-bit view unless told otherwise.
export_key() {
    rm -f "$work/export.reg"
    wine reg export "$1" "$work/export.reg" /y /reg:64 >/dev/null 2>&1 || return 1
    iconv -f UTF-16LE -t UTF-8 "$work/export.reg" | tr -d '\r' | sed '1s/^\xef\xbb\xbf//'
}

# What the installation may change: every file of drive C: with its size, and
# the registry's Software keys of the machine and of the user.
snapshot() {
    (cd "$drive_c" && find . -printf '%y %s %p\n' | sort)
    export_key 'HKLM\Software'
    export_key 'HKCU\Software'
    wineserver -w
}
# Windows Vista: the installer refuses, with the status that says why
# (ERROR_OLD_WIN_VERSION, 1150, of which a Unix exit status keeps the low
# byte), and installs nothing.
wine winecfg -v vista
status=0
wine "$installer" /S || status=$?
[ "$status" -eq $((1150 % 256)) ] || fail "on Windows Vista the installer ended with status $status, not 1150 (too old)"
wine winecfg -v win10
wineserver -w
[ -e "$install_dir" ] && fail "the installer installed the program on Windows Vista"

snapshot >"$work/before.txt"
[ -e "$install_dir" ] && fail "the program is there before it is installed"

# Installing.
if ! wine "$installer" /S; then
    fail "the silent installation ended with an error"
fi
wineserver -w

# The files, and the program being the one that was built.
expected_files=$'LICENSE.txt\nREADME.txt\nriver-mouth-quiz.exe\nuninstall.exe'
actual_files=$(ls -1 "$install_dir" 2>/dev/null | sort || true)
[ "$actual_files" = "$expected_files" ] || fail "$install_dir holds [${actual_files//$'\n'/, }], expected [${expected_files//$'\n'/, }]"
cmp -s "$exe" "$install_dir/river-mouth-quiz.exe" || fail "the installed program is not the one built"

# The Start-menu entry, for all users. A shortcut keeps its strings in UTF-16.
utf16_hex() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -d ' \n'; }
if [ -f "$shortcut" ]; then
    shortcut_hex=$(od -An -v -tx1 "$shortcut" | tr -d ' \n')
    for text in "$install_dir_win\\river-mouth-quiz.exe" "$install_dir_win" "$summary"; do
        [[ $shortcut_hex == *"$(utf16_hex "$text")"* ]] || fail "the Start-menu entry does not name \"$text\""
    done
else
    fail "no Start-menu entry for all users at ${shortcut#"$drive_c/"}"
fi
for own in "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/"$name.lnk"; do
    [ -e "$own" ] && fail "the Start-menu entry is the installing user's own"
done

# The entry in Add/Remove Programs, in the 64-bit view.
if key=$(export_key "$uninstall_key"); then
    # Prints a value as the registry holds it: a string unquoted, a number as dword:<hex>.
    value() {
        local line
        line=$(grep -m1 -F "\"$1\"=" <<<"$key") || return 0
        line=${line#*=}
        if [[ $line == \"*\" ]]; then
            line=${line:1:-1}
            line=${line//\\\"/\"}
            line=${line//\\\\/\\}
        fi
        printf '%s' "$line"
    }
    expect() {
        local actual
        actual=$(value "$1")
        [ "$actual" = "$2" ] || fail "$1 is \"$actual\", expected \"$2\""
    }
    expect DisplayName "$name"
    expect DisplayVersion "$version_text"
    expect Publisher "$publisher"
    expect URLInfoAbout "$homepage"
    expect DisplayIcon "$install_dir_win\\river-mouth-quiz.exe,0"
    expect InstallLocation "$install_dir_win"
    expect UninstallString "\"$install_dir_win\\uninstall.exe\""
    expect QuietUninstallString "\"$install_dir_win\\uninstall.exe\" /S"
    expect NoModify dword:00000001
    expect NoRepair dword:00000001
    # In KiB: the files installed, give or take their rounding.
    size_kib=$(( $(du -s --apparent-size -B1 "$install_dir" | cut -f1) / 1024 ))
    estimated=$(value EstimatedSize)
    if [[ $estimated == dword:* ]]; then
        estimated=$((16#${estimated#dword:}))
        (( estimated >= size_kib - 4 && estimated <= size_kib + 8 )) ||
            fail "EstimatedSize is $estimated KiB, the files take $size_kib KiB"
    else
        fail "EstimatedSize is \"$estimated\", not a number"
    fi
    quiet_uninstall=$(value QuietUninstallString)
else
    fail "no uninstall entry $uninstall_key"
    quiet_uninstall=
fi
export_key "HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app_id" >/dev/null &&
    fail "the uninstall entry is in the 32-bit view"

# The installed program starts from its own folder, as the shortcut starts it,
# opens its window, and ends with status 0 when it is closed.
(cd "$install_dir" && exec wine "$install_dir_win\\river-mouth-quiz.exe") &
program_pid=$!
if window=$(timeout 60 xdotool search --sync --onlyvisible --classname '^river-mouth-quiz\.exe$' | head -n1) &&
        [ -n "$window" ]; then
    title=$(xdotool getwindowname "$window")
    [[ $title == "$publisher "* ]] || fail "the window's title \"$title\" does not start with the publisher's address"
    window_pid=$(xdotool getwindowpid "$window" || true)
    command_line=$(tr '\0' '\n' <"/proc/$window_pid/cmdline" 2>/dev/null | head -n1 || true)
    [ "$command_line" = "$install_dir_win\\river-mouth-quiz.exe" ] ||
        fail "the window is of \"$command_line\", not of the installed program"
    # Alt+F4 closes the window that has the keyboard; one pressed while the
    # program is still starting may come too early, so it is pressed again.
    for _ in 1 2 3 4 5; do
        xwininfo -id "$window" >/dev/null 2>&1 || break
        xdotool windowfocus --sync "$window" 2>/dev/null && xdotool key alt+F4 2>/dev/null || true
        sleep 2
    done
    xwininfo -id "$window" >/dev/null 2>&1 && fail "the program's window did not close on Alt+F4"
    if timeout 10 tail --pid="$program_pid" -f /dev/null; then
        status=0
        wait "$program_pid" || status=$?
        [ "$status" -eq 0 ] || fail "the program ended with status $status"
    else
        fail "the program was still running 10 s after its window closed"
        wineserver -k
    fi
else
    fail "the installed program showed no window"
    kill "$program_pid" 2>/dev/null || true
fi
wineserver -w

# Uninstalling, as Add/Remove Programs does it without asking. The uninstaller
# copies itself to the temporary folder and runs from there, so the command
# returns before it is done: wait for every process of the prefix.
if [[ $quiet_uninstall =~ ^\"([^\"]+)\"\ (.*)$ ]]; then
    wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} || fail "the uninstaller ended with an error"
    wineserver -w
else
    fail "cannot run the uninstall command \"$quiet_uninstall\""
fi

[ -e "$install_dir" ] && fail "the program's folder is left: $(ls -A "$install_dir" | tr '\n' ' ')"
[ -e "$shortcut" ] && fail "the Start-menu entry is left"
export_key "$uninstall_key" >/dev/null && fail "the uninstall entry is left"
# NSIS's uninstaller runs from a folder of its own in the temporary folder
# (under AppData/Local since Wine 10) and cannot remove that folder while it
# runs; it is left empty.
snapshot | grep -vE '^d [0-9]+ \./users/[^/]+/(AppData/Local/)?Temp/~nsu[^/]*\.tmp$' >"$work/after.txt"
if ! diff -u "$work/before.txt" "$work/after.txt" >"$work/left.diff"; then
    fail "the installation left changes behind:"
    grep -E '^[-+][^-+]' "$work/left.diff" | head -n 40
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; the prefix is kept in $WINEPREFIX"
    exit 1
fi
cleanup
trap - EXIT
rm -rf "$prefix"
echo "Installed, started, closed and uninstalled without a trace."
