#!/usr/bin/env bash
# Runs the program as a Wayland client of weston (on weston's X11 back end, on
# an X display of its own), where it draws its window's title bar itself, and
# tries that title bar as a pupil would: clicks where other title bars have
# maximise and minimise boxes, a double, right and middle click on the title,
# each followed by clicks in the window, and weston's own keys for fullscreen
# and maximise. The
# program must run on after each, where it was and at its own size. A turn
# must then play through the frame, a drag of the title must move the window,
# and the close box must light up under the pointer and end the program with
# status 0. Writes a screenshot of the title bar to $RMQ_SHOT when that is set.
#
#   title_bar_clicks.sh PROGRAM      (run under on_own_display.sh)
set -uo pipefail
program=$1
# RMQ_FAIL_SHOT names a file for the last screenshot when the test fails.
fail() { echo "FAIL: $*" >&2; [ -n "${RMQ_FAIL_SHOT:-}" ] && cp "$work/shot.png" "$RMQ_FAIL_SHOT" 2>/dev/null; [ -f "$work/program.log" ] && cat "$work/program.log" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/weston.XXXXXX") || exit 2
weston_pid=
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
    wait
    rm -rf "$work"
}
trap cleanup EXIT

# A socket and runtime directory of weston's own.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=quiz-test
weston --backend=x11-backend.so --use-pixman --socket=$socket --width=800 --height=600 --idle-time=0 \
    --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log" >&2; fail "weston did not start"; }
output=
for _ in $(seq 100); do
    output=$(xwininfo -root -children 2>/dev/null | awk '/"Weston Compositor/ { print $1; exit }')
    [ -n "$output" ] && break
    sleep 0.1
done
[ -n "$output" ] || fail "weston's output window did not appear"
sleep 1
# Weston's X11 back end takes the pointer's place when the pointer enters its
# window and follows it by its moves from there: the pointer starts outside.
# It hears the keyboard once its window has the X focus.
xdotool mousemove 1010 750
xdotool windowfocus "$output"

# Qt's Wayland plugin leaves allocations of libwayland-client and of a module
# it has unloaded at exit: the leak checker watches the program on the other
# platforms, not here.
if [ -n "${ASAN_OPTIONS+set}" ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS}:detect_leaks=0"
fi
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
pid=$!

# The window's client area in weston's output, found by its colours: the
# heading's strip starts 32 pixels in from the client area's left edge.
locate() {
    import -window "$output" "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -fill black +opaque 'rgb(255,192,128)' -fill white -opaque 'rgb(255,192,128)' \
        -trim -format '%X %Y %w %h' info: 2>/dev/null | tr -d '+'
}
# The colour of one pixel of the last screenshot, as "r,g,b".
colour_at() { # x y
    convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
# Waits up to 5 s for the window to stand at a place; prints where it stands.
wait_for_place() { # expected
    local now=
    for _ in $(seq 25); do
        kill -0 "$pid" 2>/dev/null || return 1
        now=$(locate) && [ "$now" = "$1" ] && { echo "$now"; return 0; }
        sleep 0.2
    done
    echo "$now"
    return 1
}

place=
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    place=$(locate) && [ -n "$place" ] && read -r hx hy hw hh <<<"$place" && [ "$hw" -gt 100 ] && break
    place=
    sleep 0.2
done
[ -n "$place" ] || fail "the window did not appear"
sleep 0.5
place=$(locate)
read -r hx hy hw hh <<<"$place"
eval "$(xdotool getwindowgeometry --shell "$output")"
ox=$X
oy=$Y

# The title bar, in the active title bar's colour, is above the client area
# with the frame's 4 pixels above it, and as wide as the client area with the
# frame on both sides. Its height comes from the desktop's font.
title_colour=153,180,209
frame=4
bar_geometry() {
    left=$((hx - 32))
    top=$hy
    right=$((left + 461))
    bar_top=$top
    # Up the frame's left side to the outline above the frame's top edge.
    while [ "$bar_top" -gt 0 ] && [ "$(colour_at $((left - 2)) $((bar_top - 1)))" = "$title_colour" ]; do
        bar_top=$((bar_top - 1))
    done
    bar_height=$((top - bar_top + 1 - frame))
    bar=$((bar_top + frame + bar_height / 2))
    box_width=$((bar_height * 3 / 2))
    close=$((right - box_width / 2))
}
bar_geometry
[ "$bar_height" -ge 20 ] && [ "$bar_height" -le 60 ] || fail "no title bar in the title bar's colour above the window ($bar_height px)"
for x in $((left - 2)) $((right + 1)); do
    [ "$(colour_at "$x" $((top + 100)))" = "$title_colour" ] || fail "no frame in the title bar's colour at $x"
done
if [ -n "${RMQ_SHOT:-}" ]; then
    convert "$work/shot.png" -crop "$((461 + 2 * frame + 2))x$((bar_height + 2 * frame + 12))+$((left - frame - 1))+$((bar_top - frame - 1))" "$RMQ_SHOT"
fi

click() { # x y repeat button what
    xdotool mousemove $((ox + $1)) $((oy + $2)) click --repeat "$3" --delay 80 "$4"
    sleep 0.3
    kill -0 "$pid" 2>/dev/null || fail "the program ended after $5"
}

# Where other title bars put maximise and minimise, one and two box widths
# left of the close box; then the title itself.
clicks=("left click where a maximise box would be:$((close - box_width)):1:1"
        "left click where a minimise box would be:$((close - 2 * box_width)):1:1"
        "double click on the title:$((left + 230)):2:1"
        "right click on the title:$((left + 230)):1:3"
        "middle click on the title:$((left + 230)):1:2")
for what in "${clicks[@]}"; do
    IFS=: read -r name x repeat button <<<"$what"
    click "$x" "$bar" "$repeat" "$button" "a $name"
    # Any click in the window after it: the heading strip, then the message box.
    click $((left + 200)) $((top + 10)) 1 1 "a click in the window after a $name"
    click $((left + 200)) $((top + 280)) 1 1 "a click in the message box after a $name"
    now=$(wait_for_place "$place") || fail "after a $name the window moved, changed size or went: $now, was $place"
done

# Weston's own keys for fullscreen and maximise (Super+Shift+F, Super+Shift+M):
# the window may take the screen for a moment and comes back to its place
# and size.
for letter in f m; do
    xdotool keydown Super_L sleep 0.1 keydown Shift_L sleep 0.1 key "$letter" sleep 0.1 keyup Shift_L keyup Super_L
    sleep 0.3
    click $((left + 200)) $((top + 10)) 1 1 "a click in the window after Super+Shift+$letter"
    now=$(wait_for_place "$place") || fail "after Super+Shift+$letter the window stayed moved, resized or gone: $now, was $place"
done

# A turn through the frame: "делта", then the list's first row. The list and
# the message box change.
import -window "$output" "$work/before.png"
click $((left + 40)) $((top + 62)) 1 1 "a click on the first type button"
click $((left + 220)) $((top + 64)) 1 1 "a click on the list's first row"
changed=0
for _ in $(seq 25); do
    import -window "$output" "$work/after.png"
    changed=$(compare -metric AE -extract "461x290+${left}+$((top + 55))" "$work/before.png" "$work/after.png" \
        null: 2>&1)
    [ "${changed%% *}" -gt 500 ] 2>/dev/null && break
    sleep 0.2
done
[ "${changed%% *}" -gt 500 ] 2>/dev/null || fail "a turn changed no more than ${changed} pixels of the window"

# A drag of the title moves the window with the pointer.
xdotool mousemove $((ox + left + 150)) $((oy + bar)) sleep 0.3 mousedown 1 sleep 0.3 \
    mousemove $((ox + left + 170)) $((oy + bar + 10)) sleep 0.2 \
    mousemove $((ox + left + 190)) $((oy + bar + 30)) sleep 0.3 mouseup 1
moved="$((hx + 40)) $((hy + 30)) $hw $hh"
now=$(wait_for_place "$moved") || fail "a drag of the title by 40,30 left the window at $now, was $place"
place=$moved
read -r hx hy hw hh <<<"$place"
bar_geometry

# The close box lights up under the pointer, and a click on it ends the program.
xdotool mousemove $((ox + close)) $((oy + bar))
lit=
for _ in $(seq 25); do
    import -window "$output" "$work/shot.png" 2>/dev/null
    [ "$(colour_at $((right - box_width + 2)) $((bar - 3)))" = 232,17,35 ] && { lit=yes; break; }
    sleep 0.2
done
[ -n "$lit" ] || fail "the close box did not light up under the pointer"
xdotool click 1
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the close box did not end the program"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "title bar ${bar_height} px high; clicks where maximise and minimise would be, a double, right and middle click on the title and weston's fullscreen and maximise keys changed nothing; a turn was played; a drag moved the window; the close box ended the program"
