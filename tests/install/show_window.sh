#!/usr/bin/env bash
# Runs inside Xvfb: starts the program, waits until its window shows, checks
# that the title begins with the publisher's address, closes the window as the
# close box would and checks that the program then ends by itself, with success.
# Usage: show_window.sh PROGRAM CLOSE-WINDOW-HELPER PUBLISHER
set -euo pipefail

program=$1 close_window=$2 publisher=$3

"$program" &
pid=$!
# Whatever happens below, the program is not left running.
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "FAIL: the program ended before its window showed"
        exit 1
    fi
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
    [ -z "$window" ] || break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "FAIL: no window of the program showed within 20 seconds"
    exit 1
fi
title=$(xdotool getwindowname "$window")
echo "The window showed: $title"
case $title in
    "$publisher "?*) ;;
    *) echo "FAIL: the title does not begin with \"$publisher \""; exit 1 ;;
esac

"$close_window" "$window"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program was still running 10 seconds after its window was closed"
    exit 1
fi
status=0
wait "$pid" || status=$?
trap - EXIT
if [ "$status" -ne 0 ]; then
    echo "FAIL: the program ended with status $status"
    exit 1
fi
echo "Closing the window ended the program."
