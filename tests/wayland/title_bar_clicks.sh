#!/usr/bin/env bash
# Runs the program as a Wayland client of weston (on weston's X11 back end, on
# an X display of its own) and clicks what the title bar Qt draws offers: the
# maximise box and a double click on the title, each followed by clicks in the
# window. The program must run on after each, where it was and at its own
# size; the close box must then end it with status 0. Writes a screenshot of
# the title bar to $RMQ_SHOT when that is set.
#
#   title_bar_clicks.sh PROGRAM      (run under on_own_display.sh)
set -uo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; [ -f "$work/program.log" ] && cat "$work/program.log" >&2; exit 1; }

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

# Qt's Wayland plugin leaves allocations of libwayland-client and of a module
# it has unloaded at exit: the leak checker watches the program on the other
# platforms, not here.
if [ -n "${ASAN_OPTIONS+set}" ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS}:detect_leaks=0"
fi
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
pid=$!

# Finds the window's client area in weston's output by its colours: the
# heading's strip starts 32 pixels in from the client area's left edge.
locate() {
    import -window "$output" "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -fill black +opaque 'rgb(255,192,128)' -fill white -opaque 'rgb(255,192,128)' \
        -trim -format '%X %Y %w %h' info: 2>/dev/null | tr -d '+'
}
place=
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    place=$(locate) && [ -n "$place" ] && read -r hx hy hw hh <<<"$place" && [ "$hw" -gt 100 ] && break
    place=
    sleep 0.2
done
[ -n "$place" ] || fail "the window did not appear"
left=$((hx - 32))
top=$hy
right=$((left + 461))
eval "$(xdotool getwindowgeometry --shell "$output")"
ox=$X
oy=$Y

click() { # x y [repeat]
    xdotool mousemove $((ox + $1)) $((oy + $2)) click --repeat "${3:-1}" --delay 80 1
    sleep 0.8
    kill -0 "$pid" 2>/dev/null || fail "the program ended after a click at $1,$2 ($4)"
}
alive_at_its_size() { # what
    local now
    now=$(locate) || fail "no screenshot after $1"
    [ "$now" = "$place" ] || fail "after $1 the window moved or changed size: $now, was $place"
}

# Qt draws the title bar 30 pixels high above the client area, and its boxes
# 18 pixels wide, 8 from the right edge, 5 apart: close, maximise, minimise.
bar=$((top - 15))
if [ -n "${RMQ_SHOT:-}" ]; then
    convert "$work/shot.png" -crop "$((461 + 6))x40+$((left - 3))+$((top - 32))" "$RMQ_SHOT"
fi
maximise=$((right + 3 - 8 - 18 - 5 - 9))
close=$((right + 3 - 8 - 9))

clicks=("maximise box:$maximise" "double click on the title:$((left + 230))")
for what in "${clicks[@]}"; do
    x=${what##*:}
    repeat=1
    case $what in double*) repeat=2 ;; esac
    click "$x" "$bar" "$repeat" "${what%%:*}"
    # Any click in the window after it: the heading strip, then the message box.
    click $((left + 200)) $((top + 10)) 1 "a click in the window after the ${what%%:*}"
    click $((left + 200)) $((top + 280)) 1 "a click in the message box after the ${what%%:*}"
    alive_at_its_size "the ${what%%:*}"
done

xdotool mousemove $((ox + close)) $((oy + bar)) click 1
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the close box did not end the program"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "clicked maximise, double-clicked the title, clicked in the window; the close box ended the program"
