#!/usr/bin/env bash
# A virtual X display and a Wine prefix of the build's own, for the Windows
# tests. The prefix lives in STATE and is made once; Xvfb and wineserver live
# from "start" to "stop".
#   wine.sh start STATE
#   wine.sh run STATE PROGRAM [ARGUMENTS...]     runs a Windows program
#   wine.sh with STATE COMMAND [ARGUMENTS...]    runs a command in the same
#                                                set-up, with WINE set
#   wine.sh at-dpi STATE DPI PROGRAM [ARGUMENTS...]
#                                                runs a Windows program in a
#                                                prefix of its own, on a screen
#                                                of DPI dots per inch
#   wine.sh stop STATE
# With RMQ_WINE_32_BIT=1, a program run by "run", "with" or "at-dpi" is a
# 32-bit one: where Wine cannot run it, they say why and end with status 77,
# which CTest counts as skipped (wine32.sh).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../own_display.sh"
command=$1 state=$2
shift 2

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
export WINEPREFIX=$state/prefix
# No Mono and no Gecko: the program needs neither, and Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

if [ "${RMQ_WINE_32_BIT:-0}" = 1 ]; then
    case $command in
    run | with | at-dpi)
        RMQ_WINE_32_BIT=0 exec "$(dirname "${BASH_SOURCE[0]}")/wine32.sh" "$0" "$command" "$state" "$@"
        ;;
    esac
fi

case $command in
start)
    mkdir -p "$state"
    started=0
    start_own_display "$state" -nolisten tcp -screen 0 1024x768x24 || started=$?
    # The server outlives this script: "stop" ends it by the pid written here.
    echo "$xvfb" >"$state/xvfb.pid"
    [ "$started" -eq 0 ] || exit 1
    export DISPLAY=$display
    if [ ! -e "$WINEPREFIX/.ready" ]; then
        rm -rf "$WINEPREFIX"
        "$wine" wineboot --init </dev/null >"$state/wineboot.log" 2>&1
        # Wine has no Times New Roman; its metric twin stands in, for the
        # tests only: Windows has the real one.
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f \
            </dev/null >>"$state/wineboot.log" 2>&1
        # Wine draws the title bar and its close box itself, as Windows does,
        # since there is no window manager.
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >>"$state/wineboot.log" 2>&1
        # Nor does any manage the windows: Wine would otherwise wait two
        # seconds for one each time it hides a window.
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >>"$state/wineboot.log" 2>&1
        wineserver -w
        # Wine writes its network cards, display adapters and monitors anew
        # once more, in the session after the one that made the prefix: an
        # empty session of its own, so that no test sees it as the program's.
        "$wine" cmd /c exit </dev/null >>"$state/wineboot.log" 2>&1
        wineserver -w
        touch "$WINEPREFIX/.ready"
    fi
    echo "Wine prefix $WINEPREFIX on display $DISPLAY"
    ;;
run)
    export DISPLAY=:$(tr -d '\n' <"$state/display")
    exec "$wine" "$@"
    ;;
with)
    export DISPLAY=:$(tr -d '\n' <"$state/display") WINE=$wine
    exec "$@"
    ;;
at-dpi)
    dpi=$1
    shift
    export DISPLAY=:$(tr -d '\n' <"$state/display")
    # A copy of the first prefix, made once: the resolution is the user's
    # setting, which Wine reads when its server starts.
    if [ ! -e "$state/dpi-prefix/.ready" ]; then
        wineserver -w
        rm -rf "$state/dpi-prefix"
        cp -a "$WINEPREFIX" "$state/dpi-prefix"
    fi
    export WINEPREFIX=$state/dpi-prefix
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    status=0
    "$wine" "$@" || status=$?
    wineserver -k 2>/dev/null || true
    exit "$status"
    ;;
stop)
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -s "$state/xvfb.pid" ]; then
        # The server is no child of this script: wait until it has ended (or
        # is only left for its new parent to reap), for at most five seconds.
        xvfb=$(cat "$state/xvfb.pid")
        if [ "$(cat "/proc/$xvfb/comm" 2>/dev/null)" = Xvfb ]; then
            kill "$xvfb" 2>/dev/null || true
            for _ in $(seq 100); do
                case $(awk '{ print $3 }' "/proc/$xvfb/stat" 2>/dev/null) in "" | Z) break ;; esac
                sleep 0.05
            done
        fi
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
*)
    echo "usage: wine.sh start|run|with|at-dpi|stop STATE [DPI] [PROGRAM ARGUMENTS...]" >&2
    exit 2
    ;;
esac
