#!/usr/bin/env bash
# Under a real window manager (run under on_own_display.sh --wm openbox), reads
# what the program asks of the manager and what the manager then allows: a
# fixed size, a close box, no maximise, no resize; asks for no minimise box.
# Prints what the manager offers anyway, then closes the window through its
# close request and expects status 0.
#
#   window_manager_offers.sh PROGRAM CLOSE_WINDOW
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../program_ends.sh"
program=$1
close_window=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'вид устие на река' | head -n 1) ||
    fail "the window did not appear"
# The manager sets the allowed actions when it takes the window on.
allowed=
for _ in $(seq 50); do
    allowed=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    case $allowed in *ACTION_CLOSE*) break ;; esac
    sleep 0.1
done
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
motif=$(xprop -id "$window" _MOTIF_WM_HINTS)
echo "$allowed"
echo "$motif"

has() { case " $allowed, " in *"_NET_WM_ACTION_$1,"*) return 0 ;; esac; return 1; }
has CLOSE || fail "no close action"
has MOVE || fail "the window cannot be moved"
for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
    has "$action" && fail "the manager allows $action"
done
grep -q 'program specified minimum size: 461 by 345' <<<"$hints" || fail "no fixed minimum size: $hints"
grep -q 'program specified maximum size: 461 by 345' <<<"$hints" || fail "no fixed maximum size: $hints"
# Motif hints: flags (1 functions, 2 decorations), functions (1 all, 8
# minimise, 16 maximise, 32 close), decorations (1 all, 32 minimise, 64
# maximise).
read -r flags functions decorations _ < <(sed 's/.*= //; s/,//g' <<<"$motif")
(( flags & 1 )) || fail "no Motif functions asked for"
(( functions & 1 )) && fail "all Motif functions asked for"
(( functions & (8 | 16) )) && fail "Motif minimise or maximise function asked for"
(( functions & 32 )) || fail "no Motif close function"
(( flags & 2 )) && (( decorations & (1 | 32 | 64) )) && fail "Motif minimise or maximise box asked for"

offered=()
for action in MINIMIZE FULLSCREEN SHADE; do
    has "$action" && offered+=("$action")
done
echo "the manager offers anyway: ${offered[*]:-nothing more}"

"$close_window" "$window"
expect_program_ends "$pid" "on the close request"
