#!/usr/bin/env bash
# Plays two turns of the Windows program under Wine with X input events, reads
# the message box through the clipboard, ends it with the close box of its
# title bar, and checks that it wrote nothing into the Wine prefix: no file and
# no registry key.
# Usage (from wine.sh with): play_and_close.sh PROGRAM
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../program_ends.sh"
export LC_ALL=C.UTF-8
program=$1
title='География - вид устие на река'

fail() { echo "FAIL: $*" >&2; exit 1; }
# A command that fails where nothing checks it says which, before the script ends.
trap 'echo "FAIL: line $LINENO: \"$BASH_COMMAND\" ended with status $?" >&2' ERR

# What the prefix holds: every file and folder, each file with its size and
# time, and every key and value of the registry. Wine itself rewrites the
# registry files with new times when its server ends, stamps its devices'
# drivers anew (DriverDateData) and makes the drive links anew when it starts.
snapshot() {
    (
        cd "$WINEPREFIX"
        find . -path ./dosdevices -prune -o -name '*.reg' -o -type d -printf 'd %p\n' \
            -o -printf '%y %s %T@ %p\n' | sort -k2
        for hive in ./*.reg; do
            echo "== $hive"
            grep -v -e '^#time=' -e '^"DriverDateData"=' "$hive" | sed -E 's/^(\[.*\]) [0-9]+$/\1/'
        done
    )
}
# The registry is written when the wineserver ends, after the last program:
# wait for it, for half a minute at most, and name what keeps it running.
wine_ends() {
    timeout 30 wineserver -w ||
        fail "Wine's server did not end within half a minute $1; still running: $(ps -eo pid,etime,args | grep -ai '[w]ine\|[.]exe')"
}
wine_ends "before the test"
before=$(snapshot)

"$WINE" "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name "$title" | head -n 1) || fail "the window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# Wine draws the frame and title bar inside the X window: find the client area.
border=$(((WIDTH - 461) / 2))
top=$((HEIGHT - 345 - border))

click() { xdotool mousemove --window "$window" $((border + $1)) $((top + $2)) click 1; sleep 0.5; }
# The message box's text, copied to the clipboard; waits up to five seconds
# for the copy to begin with the line wanted ($1), as Wine copies when it has
# read the keys.
message() {
    local text= _
    click 200 260
    xdotool key --clearmodifiers ctrl+a ctrl+c
    for _ in $(seq 50); do
        # An owner of the clipboard that does not answer must not hold the test.
        text=$(timeout 2 xclip -o -selection clipboard 2>/dev/null | tr -d '\r') || text=
        [ "${text%%$'\n'*}" = "$1" ] && break
        sleep 0.1
    done
    printf '%s\n' "$text"
}
# The box's text read whole, not piped to a reader that stops at its first
# line and may cut the writer short.
expect_first_line() {
    local got
    got=$(message "$1")
    got=${got%%$'\n'*}
    [ "$got" = "$1" ] || fail "the message box starts with '$got', expected '$1'"
}

expect_first_line "Да се състави проект, представящ междупредметна връзка География и Информатика. "
# "естуар", then the first row, Амур; then again, and the first row is Атанасовско езеро.
click 26 82
click 230 66
expect_first_line "Вярно. Устието на Амур е естуар."
click 26 82
click 230 66
expect_first_line "Грешка! Устието на Атанасовско езеро не е естуар."
text=$(message "Грешка! Устието на Атанасовско езеро не е естуар.")
[ "$(sed -n 2p <<<"$text")" = "Вярно. Устието на Амур е естуар." ] || fail "the older verdict is not second"

# The close box, at the right end of the title bar.
xdotool mousemove --window "$window" $((WIDTH - border - 10)) $((top / 2)) click 1
expect_program_ends "$pid" "at the close box"

wine_ends "after the program"
after=$(snapshot)
if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") >&2 || true
    fail "the program changed the Wine prefix"
fi
echo "played two turns, closed at the close box, and nothing was written"
