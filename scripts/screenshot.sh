#!/usr/bin/env bash
# Writes docs/screenshot.png: the window in the middle of a game, on a virtual
# X display. Usage: screenshot.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
cd "$(dirname "$0")/.."
mkdir -p docs

if [ -z "${RMQ_IN_XVFB:-}" ]; then
    RMQ_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'География - вид устие на река' | head -n 1)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

click 60 62   # делта
click 230 138 # Волга
click 60 82   # естуар
click 230 66  # Амур
click 60 102  # лиман
click 230 120 # Ганг
click 60 82   # естуар, waiting for the next pick
import -window "$window" docs/screenshot.png
echo "wrote docs/screenshot.png"
