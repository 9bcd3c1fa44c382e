#!/usr/bin/env bash
# Plays a short game on the real program under strace, on a display of its own,
# and fails where the program (the platform's libraries and any process they
# start included) opens a file for writing outside /dev and /proc, makes a
# directory or otherwise changes the file system, opens a socket other than a
# local one, starts another program, connects to a bus, leaves anything in its
# fresh, empty HOME or runtime directory, or leaves a process running once it
# has ended (the window driver finds those by pid, and ends them).
#
#   footprint.sh [--bus | --untraced] WINDOW_DRIVER PROGRAM [ARGUMENTS...]
#
# Without an option there is no session bus: the program must start none.
# --bus gives the game a session bus of its own (dbus-run-session) and forces
# the accessibility bridge on: the program must reach the session bus and the
# accessibility bus, and write nothing outside the buses' own runtime files.
# --untraced plays the same game without the tracer and checks the exit status,
# the home and the processes left, so that a sanitizer build can check for
# leaks as well.
#
# Exits 0 when the program left no trace, 1 when it did, 2 when it could not be
# run or did not end with status 0. The last line sums up what was found.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../own_display.sh"

traced=1
bus=0
case ${1:-} in
--untraced) traced=0 && shift ;;
--bus) bus=1 && shift ;;
esac
if [ $# -lt 2 ]; then
    echo "usage: footprint.sh [--bus | --untraced] WINDOW_DRIVER PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
driver=$1
shift

work=$(mktemp -d "${TMPDIR:-/tmp}/footprint.XXXXXX") || exit 2
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; wait; rm -rf "$work"' EXIT

start_own_display "$work" -nolisten tcp -screen 0 1024x768x24 || { echo "footprint: no display" >&2; exit 2; }
home=$work/home
runtime=$work/runtime
mkdir -m 700 "$home" "$runtime"

# What a desktop session gives a program, and nothing more: a home, a runtime
# directory, a language, and a temporary folder of the test's own, where the
# platform would make its runtime folder if it wanted one. No session bus
# unless the test starts one: what the platform does without one is part of
# what is watched. The sanitizers' settings pass through, but the leak checker
# cannot run under a tracer.
mkdir -m 700 "$work/tmp"
environment=(PATH=/usr/bin:/bin DISPLAY="$display" HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8
    TMPDIR="$work/tmp")
runner=()
if [ $bus -eq 1 ]; then
    environment+=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
    # The accessibility bus, as a desktop session starts it, before the game.
    runner=(dbus-run-session -- bash -c 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null && exec "$@"' bash)
fi
if [ -n "${ASAN_OPTIONS+set}" ]; then
    if [ $traced -eq 1 ]; then
        environment+=(ASAN_OPTIONS="${ASAN_OPTIONS}:detect_leaks=0")
    else
        environment+=(ASAN_OPTIONS="$ASAN_OPTIONS")
    fi
fi
for name in UBSAN_OPTIONS LSAN_OPTIONS; do
    if [ -n "${!name+set}" ]; then
        environment+=("$name=${!name}")
    fi
done

# A short game, in logical pixels of the client area: turn on "естуар", pick
# the first river, press "Изчисти"; each must change the text of the message
# box (right of where the caret blinks). Then the driver asks the window to
# close.
box=@100,210,340,100
clicks=(--click "28,82$box" --click "280,66$box" --click "320,180$box")

tracer=()
if [ $traced -eq 1 ]; then
    tracer=(strace -f -ff -qq -o "$work/trace" -e trace=%file,%network)
fi
env -i "${environment[@]}" "$driver" "${clicks[@]}" -- "${runner[@]}" "${tracer[@]}" "$@" >"$work/driver.out"
status=$?
cat "$work/driver.out"
running=$(awk '$1 == "left_running" { print $2 }' "$work/driver.out")
# 124: the game ended, but the driver had to end what it left running.
if [ $status -ne 0 ] && [ $status -ne 124 ] || [ -z "$running" ]; then
    echo "footprint: the game did not end with status 0 (status $status)" >&2
    exit 2
fi

# What is left in the home, the runtime directory and the temporary folder;
# with a bus of the test's own, what the buses keep in the runtime directory is
# theirs: the session bus's folder of services, the accessibility bus's socket,
# and the settings store that its launcher reads.
leftovers() {
    if [ $bus -eq 1 ]; then
        find "$home" "$runtime" "$work/tmp" -mindepth 1 \
            -not \( -path "$runtime/dbus-1" -o -path "$runtime/dbus-1/*" -o -path "$runtime/at-spi" -o -path "$runtime/at-spi/*" -o -path "$runtime/dconf" -o -path "$runtime/dconf/*" \) "$@"
    else
        find "$home" "$runtime" "$work/tmp" -mindepth 1 "$@"
    fi
}
left=$(leftovers | wc -l)
if [ "$left" -ne 0 ]; then
    leftovers -printf 'footprint: left behind: %p\n' >&2
fi

if [ $traced -eq 0 ]; then
    echo "footprint: untraced game ended with status $status, left=$left running=$running"
    [ "$left" -eq 0 ] && [ "$running" -eq 0 ] && [ $status -eq 0 ]
    exit
fi

traces=("$work"/trace.*)
if [ ! -e "${traces[0]}" ]; then
    echo "footprint: strace wrote no trace" >&2
    exit 2
fi

# One call a line, whole, since every thread has its own file (-ff).
# shellcheck disable=SC2016
summary=$(awk -v display_socket="/tmp/.X11-unix/" -v program="$1" '
    function succeeded(line) { return line !~ /\) += -1 / && line ~ /\) += [0-9]/ }
    function path(line,    p) {
        if (match(line, /"[^"]*"/)) return substr(line, RSTART + 1, RLENGTH - 2)
        return ""
    }
    function report(kind, line) { printf "footprint: %s: %s\n", kind, line > "/dev/stderr" }

    /^(open|openat|openat2|creat)\(/ {
        opens++
        p = path($0)
        writing = $0 ~ /^creat\(/ || $0 ~ /O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)/
        if (writing && p !~ "^/(dev|proc)/") {
            if (succeeded($0)) { writes++; report("opens for writing", $0) }
            else report("tried to open for writing", $0)
        }
    }
    /^(mkdir|mkdirat)\(/ {
        if (succeeded($0)) { dirs++; report("makes a directory", $0) }
        else report("tried to make a directory", $0)
    }
    /^(rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate|mknod|mknodat)\(/ {
        if (succeeded($0)) { changes++; report("changes the file system", $0) }
    }
    /^socket\(/ {
        sockets++
        if ($0 !~ /^socket\(AF_(UNIX|LOCAL),/ && succeeded($0)) { remote++; report("opens a socket that is not local", $0) }
    }
    /^bind\(/ && /sun_path="/ && succeeded($0) { changes++; report("binds a socket to a file", $0) }
    /^connect\(/ && succeeded($0) {
        if (index($0, display_socket)) display++
        else if ($0 ~ /sun_path=/) { buses++; report("connects to", $0) }
    }
    # The first program the tracer starts is the one under test.
    /^execve\(/ {
        if (!started && index($0, "\"" program "\"")) started = 1
        else if ($0 ~ /\) += 0/) { runs++; report("runs", $0) }
    }

    END {
        if (opens == 0 || display == 0) {
            print "footprint: the trace shows no opened file or no connection to the display" > "/dev/stderr"
            exit 2
        }
        printf "writes=%d dirs=%d changes=%d sockets=%d runs=%d buses=%d\n", writes, dirs, changes, remote, runs, buses
    }
' "${traces[@]}")
awk_status=$?
if [ $awk_status -ne 0 ]; then
    exit 2
fi

echo "footprint: $summary left=$left running=$running"
# Without a bus the program reaches none; with one it reaches the session bus
# and, through it, the accessibility bus.
expected_buses=0
[ $bus -eq 1 ] && expected_buses=2
if [[ $summary =~ ^writes=0\ dirs=0\ changes=0\ sockets=0\ runs=0\ buses=([0-9]+)$ ]] &&
    [ "${BASH_REMATCH[1]}" -ge $expected_buses ] && { [ $bus -eq 1 ] || [ "${BASH_REMATCH[1]}" -eq 0 ]; } &&
    [ "$left" -eq 0 ] && [ "$running" -eq 0 ] && [ $status -eq 0 ]; then
    exit 0
fi
exit 1
