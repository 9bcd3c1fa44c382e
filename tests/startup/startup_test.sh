#!/usr/bin/env bash
# Starts the real program as a pupil's machine may: with arguments that Qt
# would act on, without a display or with one that is gone, without a runtime
# directory, and short of memory. Each on a display of its own where it needs
# one, in a fresh home and temporary folder.
#
#   startup_test.sh CASE PROGRAM WINDOW_DRIVER CLOSE_WINDOW
#
# CASE is one of: arguments, no-display, no-runtime-directory, short-of-memory.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../own_display.sh"

case_name=$1 program=$2 driver=$3 close_window=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/startup.XXXXXX") || exit 2
xvfb=
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -m 700 "$work/home" "$work/runtime" "$work/tmp"
base=(PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 TMPDIR="$work/tmp")
# The sanitizers' settings pass through; their leak checker cannot run under
# a tracer.
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -n "${!name+set}" ] && base+=("$name=${!name}")
done
untraceable_leaks=ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

start_display() {
    start_own_display "$work" -nolisten tcp -screen 0 1024x768x24 || fail "no display of its own"
}

# The messages a start that cannot succeed must end with, and nothing of Qt's.
expect_plain_word() { # stderr-file, first Bulgarian words, first English words
    grep -q "^$2" "$1" || fail "no Bulgarian message '$2...': $(cat "$1")"
    grep -q "^$3" "$1" || fail "no English message '$3...': $(cat "$1")"
    [ "$(grep -n "^$2" "$1" | cut -d: -f1 | head -1)" -lt "$(grep -n "^$3" "$1" | cut -d: -f1 | head -1)" ] ||
        fail "the English message comes before the Bulgarian one"
    ! grep -q 'Reinstalling' "$1" || fail "Qt's advice to reinstall is still shown"
}

# Everything a person sees of the window: title, class, place, size, picture.
# Without a window manager and without the pointer on it, it has no focus and
# shows no blinking caret.
describe_window() { # window-id, name
    xprop -display "$display" -id "$1" WM_NAME _NET_WM_NAME WM_CLASS >"$work/$2.props"
    xwininfo -display "$display" -id "$1" | grep -E 'Absolute|Width|Height' >>"$work/$2.props"
    import -display "$display" -window "$1" "$work/$2.png"
}

show_and_describe() { # name, program arguments...
    local name=$1
    shift
    env -i "${base[@]}" DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" "$@" 2>"$work/$name.err" &
    pid=$!
    local window
    window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --class river-mouth-quiz | head -n 1) ||
        fail "$name: no window appeared"
    sleep 0.5
    describe_window "$window" "$name"
    DISPLAY=$display "$close_window" "$window"
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "$name: the program ended with status $status"
}

case $case_name in
arguments)
    start_display
    xdotool_pointer_away() { DISPLAY=$display xdotool mousemove 1023 767; }
    xdotool_pointer_away
    # A style sheet that would paint the window red, were it ever read.
    printf 'QWidget { background: red; color: yellow; }\n' >"$work/evil.qss"
    show_and_describe plain "$program"
    show_and_describe arguments env "$untraceable_leaks" strace -f -qq -e trace=%file -o "$work/trace" "$program" \
        -stylesheet "$work/evil.qss" -reverse -qwindowtitle Evil -title Evil -style windows \
        -geometry 200x100+300+300 -name evil -platform offscreen --help file.txt
    ! grep -v execve "$work/trace" | grep 'evil\.qss' || fail "the style sheet was opened"
    diff "$work/plain.props" "$work/arguments.props" >&2 || fail "the title, class, place or size changed"
    grep -q 'WM_NAME.*География - вид устие на река' "$work/plain.props" || fail "the window has no title of its own"
    differing=$(compare -metric AE "$work/plain.png" "$work/arguments.png" null: 2>&1) || true
    [ "$differing" = 0 ] || fail "the window looks different with arguments: $differing pixels differ"
    echo "every argument ignored: the style sheet never opened, the window as without them"
    ;;
no-display)
    env -i "${base[@]}" XDG_RUNTIME_DIR="$work/runtime" "$program" 2>"$work/none.err"
    status=$?
    [ "$status" -eq 1 ] || fail "without a display the program ended with status $status, not 1"
    expect_plain_word "$work/none.err" "Няма дисплей" "There is no display"
    # A display that was there, and is gone.
    start_display
    kill "$xvfb" && wait "$xvfb" 2>/dev/null
    xvfb=
    env -i "${base[@]}" DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" "$program" 2>"$work/gone.err"
    status=$?
    [ "$status" -eq 1 ] || fail "with a display that is gone the program ended with status $status, not 1"
    expect_plain_word "$work/gone.err" "Няма дисплей" "There is no display"
    cat "$work/gone.err"
    ;;
no-runtime-directory)
    start_display
    # As through su or runuser: no XDG_RUNTIME_DIR. The platform's own runtime
    # folder would go to the temporary folder, which is the test's.
    env -i "${base[@]}" DISPLAY="$display" "$driver" -- "$program" >"$work/driver.out"
    status=$?
    [ "$status" -eq 0 ] || fail "without a runtime directory the game ended with status $status"
    left=$(find "$work/home" "$work/tmp" -mindepth 1)
    [ -z "$left" ] || fail "left behind: $left"
    echo "no runtime directory: nothing left in the home or $work/tmp"
    ;;
short-of-memory)
    start_display
    # About 110 MB of address space: enough to load the program, too little for
    # the threads the platform starts.
    env -i "${base[@]}" DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" \
        timeout 60 prlimit --as=$((110 * 1024 * 1024)) "$program" 2>"$work/memory.err"
    status=$?
    [ "$status" -eq 1 ] || fail "short of memory the program ended with status $status, not 1: $(cat "$work/memory.err")"
    expect_plain_word "$work/memory.err" "Няма достатъчно памет" "There is not enough memory"
    cat "$work/memory.err"
    ;;
*)
    echo "usage: startup_test.sh arguments|no-display|no-runtime-directory|short-of-memory PROGRAM WINDOW_DRIVER CLOSE_WINDOW" >&2
    exit 2
    ;;
esac
