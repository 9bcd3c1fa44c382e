#!/usr/bin/env bash
# Runs a command on an X display of its own, with a fresh, empty home and
# runtime directory, and ends the display when the command ends.
#
#   on_own_display.sh [--wm WINDOW_MANAGER] COMMAND [ARGUMENTS...]
#
# The server picks a free display number itself and tells it, so that tests
# and other people's servers on the same machine never collide.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../own_display.sh"

wm=
if [ "${1:-}" = --wm ]; then
    wm=$2
    shift 2
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/own-display.XXXXXX") || exit 2
xvfb=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait
    rm -rf "$work"
}
trap cleanup EXIT

start_own_display "$work" -nolisten tcp -screen 0 1024x768x24 || { echo "on_own_display: no display" >&2; exit 2; }
export DISPLAY=$display
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"

if [ -n "$wm" ]; then
    "$wm" >"$work/wm.log" 2>&1 &
    wm_pid=$!
    # The manager has taken over once it names itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi

"$@"
