#!/usr/bin/env bash
# Plays one game by keyboard with the Orca screen reader listening, and checks
# what Orca says: every verdict and "Нов избор" right after the key that
# caused it, with the focus still in the list, and the framed row named when
# the focus enters the list and after each answer.
#
#   orca_game.sh PROGRAM CLOSE_WINDOW
#
# Everything runs on a display of its own, in a session bus of its own with
# its own accessibility bus, in a fresh home; Orca keeps its settings in a
# fresh folder. Orca writes each utterance to its debug log as
# "SPEECH OUTPUT: '...'"; that log is a pseudo-terminal, since Orca buffers a
# file. No speech synthesizer is started. Every process the test starts is
# ended by its pid. RMQ_ORCA_LANG sets the language Orca and the program run
# in (C.UTF-8 unless set; LOCPATH passes through), RMQ_ORCA_SPEECH=FILE keeps
# what Orca said.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../own_display.sh"

if [ "${1:-}" = --inside ]; then
    shift
    inside=1
else
    inside=0
fi
if [ $# -ne 2 ]; then
    echo "usage: orca_game.sh PROGRAM CLOSE_WINDOW" >&2
    exit 2
fi
program=$1
close_window=$2

# The pids below $1 that are not $2 or one of its ancestors.
descendants() {
    local pid child
    for child in $(ps -o pid= --ppid "$1"); do
        pid=$child
        case " $3 " in *" $pid "*) ;; *) echo "$pid" ;; esac
        descendants "$child" "$2" "$3"
    done
}

if [ $inside -eq 0 ]; then
    work=$(mktemp -d "${TMPDIR:-/tmp}/orca-game.XXXXXX") || exit 2
    xvfb=
    finish() {
        [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
        wait
        # Whatever the game left running, ended by the pids it wrote down.
        local pid left=0
        for pid in $(cat "$work/pids" 2>/dev/null); do
            if kill -0 "$pid" 2>/dev/null; then
                echo "orca game: left running: $(ps -o pid=,args= -p "$pid")" >&2
                kill -KILL "$pid" 2>/dev/null
                left=1
            fi
        done
        if [ -n "${RMQ_ORCA_SPEECH:-}" ]; then
            grep -a "SPEECH OUTPUT\|^=== " "$work/orca.log" | tr -d '\r' >"$RMQ_ORCA_SPEECH"
        fi
        rm -rf "$work"
        return $left
    }
    if ! start_own_display "$work" -nolisten tcp -screen 0 1024x768x24; then
        echo "orca game: no display" >&2
        finish
        exit 2
    fi
    mkdir -m 700 "$work/home" "$work/runtime" "$work/orca"
    # What a desktop session gives a program, a session bus of its own, and
    # no speech synthesizer: Orca logs what it would have said.
    environment=(PATH=/usr/bin:/bin DISPLAY="$display" HOME="$work/home"
        XDG_RUNTIME_DIR="$work/runtime" LANG="${RMQ_ORCA_LANG:-C.UTF-8}"
        SPEECHD_CMD=/bin/false SPEECHD_ADDRESS="unix_socket:$work/runtime/no-speech-dispatcher"
        RMQ_ORCA_WORK="$work" RMQ_ORCA_TOP=$$)
    for name in LOCPATH ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        if [ -n "${!name+set}" ]; then
            environment+=("$name=${!name}")
        fi
    done
    env -i "${environment[@]}" dbus-run-session -- "$0" --inside "$program" "$close_window" 2>"$work/session.log"
    status=$?
    [ $status -ne 0 ] && grep -v "fd limit\|Activating service\|Successfully activated" "$work/session.log" >&2
    finish || status=1
    exit $status
fi

# Inside the session bus.
work=$RMQ_ORCA_WORK
log=$work/orca.log
fail() {
    echo "FAIL: $*" >&2
    echo "What Orca said:" >&2
    grep -a "SPEECH OUTPUT\|^=== " "$log" | tr -d '\r' | sed 's/^/    /' >&2
    end_all
    exit 1
}

# Ends every process below the test but this shell and the session bus, all
# found while the tree still stands: Orca, the accessibility bus and registry,
# the settings service, the program.
end_all() {
    local me ancestors pid pids
    me=$$
    ancestors="$me"
    pid=$me
    while [ "$pid" != "$RMQ_ORCA_TOP" ] && [ "$pid" -gt 1 ]; do
        pid=$(ps -o ppid= -p "$pid" | tr -d ' ')
        ancestors="$ancestors $pid"
    done
    # The session bus ends when this shell does.
    for pid in $(ps -o pid= --ppid "$(ps -o ppid= -p $me | tr -d ' ')"); do
        [ "$pid" != "$me" ] && [ "$(ps -o comm= -p "$pid")" = dbus-daemon ] && ancestors="$ancestors $pid"
    done
    pids=$(descendants "$RMQ_ORCA_TOP" "$me" "$ancestors" | grep -vx "$(pgrep -x Xvfb -P "$RMQ_ORCA_TOP")")
    echo "$pids" >"$work/pids"
    # Children before their parents, so that each is reaped by its own.
    for pid in $(echo "$pids" | tac); do
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
    done
    wait 2>/dev/null
}

/usr/libexec/at-spi-bus-launcher --launch-immediately &
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done

script -q -f -c "exec orca -u '$work/orca' --debug-file=/dev/tty" "$log" </dev/null >/dev/null 2>&1 &

# Waits up to 10 s for Orca to say something containing $1 after line $2 of
# its log.
heard() {
    local _
    for _ in $(seq 100); do
        tail -n "+$(($2 + 1))" "$log" | tr -d '\r' | grep -a "SPEECH OUTPUT: '" | grep -aqF -- "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Presses a key and checks that Orca then says each of the given texts, in
# that order (in any order where $in_any_order is 1).
in_any_order=0
press() {
    local key=$1 from expected position
    last=0
    shift
    from=$(wc -l <"$log")
    echo "=== $key" >>"$log"
    xdotool key --clearmodifiers "$key"
    for expected in "$@"; do
        heard "$expected" "$from" || fail "after $key Orca did not say '$expected'"
    done
    said=$(tail -n "+$((from + 1))" "$log" | tr -d '\r' | grep -a "SPEECH OUTPUT: '")
    for expected in "$@"; do
        position=$(echo "$said" | grep -anF -- "$expected" | head -n 1 | cut -d: -f1)
        if [ "$in_any_order" = 1 ]; then
            [ "$position" -lt "$last" ] || last=$position
            continue
        fi
        [ "$position" -gt "$last" ] || fail "after $key Orca said '$expected' out of order"
        last=$position
    done
}

# Answers by a key in the list: Orca says the verdict whole and names the next
# framed row, in either order (Orca 48 names the row first), and the focus has
# not left the list for the box on the way.
answer() {
    in_any_order=1
    press "$@"
    in_any_order=0
    if echo "$said" | head -n "$last" | grep -aqF "Съобщения"; then
        fail "after $1 the focus went to the message box"
    fi
}

# Orca is up once it has said anything.
heard "" 0 || fail "Orca did not start"
"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'География - вид устие на река' | head -n 1)
[ -n "$window" ] || fail "the window did not appear"
xdotool windowfocus --sync "$window"
heard "Съобщения" 0 || fail "Orca did not find the window's message box"

# Tab to the types, turn "делта" on, Tab on to the list: the framed row is
# named. Down answers it, a letter the next name below it that starts with
# the letter, and after each verdict the name that takes the answered one's
# place is named, so the focus is still in the list.
press Tab "Имена на реки" "Амур."
press Tab "Изчисти"
press Tab "делта"
press space
press Tab "Съобщения"
press Tab "Имена на реки" "Амур."
answer Down "Грешка! Устието на Амур не е делта." "Атанасовско езеро."
press shift+Tab "Съобщения"
press shift+Tab "делта"
press space
press Tab "Съобщения"
press Tab "Имена на реки" "Атанасовско езеро."
answer Cyrillic_de "Грешка! Устието на Делауеър не е делта." "Дунав."
press Tab "Изчисти"
answer space "Нов избор"

"$close_window" "$window"
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
status=0
if kill -0 "$app" 2>/dev/null; then
    fail "the program did not end on the close request"
fi
wait "$app" || status=$?
[ $status -eq 0 ] || fail "the program ended with status $status"
end_all
echo "Orca spoke every verdict and the new round, and named the framed rows"
