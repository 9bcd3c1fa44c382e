#!/usr/bin/env bash
# Plays two turns in the real program on an X display with real input events,
# reads the message box through the clipboard as a pupil's copy would, and
# closes the window through its close request.
# Usage: play_a_turn.sh PROGRAM CLOSE_WINDOW   (DISPLAY must be set, e.g. by xvfb-run)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../program_ends.sh"
program=$1
close_window=$2
title='География - вид устие на река'

fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1) ||
    fail "the window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 461 ] && [ "$HEIGHT" = 345 ] || fail "window is ${WIDTH}x${HEIGHT}, not 461x345"

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

message() {
    xdotool windowfocus --sync "$window"
    click 200 260
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard | tr -d '\r'
}

expect_first_line() {
    local got
    got=$(message | head -n 1)
    [ "$got" = "$1" ] || fail "message box starts with '$got', expected '$1'"
}

expect_first_line "Да се състави проект, представящ междупредметна връзка География и Информатика. "

# "естуар", then the first row, Амур.
click 60 82
click 230 66
expect_first_line "Вярно. Устието на Амур е естуар."

# Амур has left the list: the first row is now Атанасовско езеро.
click 60 82
click 230 66
expect_first_line "Грешка! Устието на Атанасовско езеро не е естуар."
[ "$(message | sed -n 2p)" = "Вярно. Устието на Амур е естуар." ] || fail "the older verdict is not second"

"$close_window" "$window"
expect_program_ends "$pid" "on the close request"
echo "played two turns and closed the window"
