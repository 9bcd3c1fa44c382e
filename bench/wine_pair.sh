#!/usr/bin/env bash
# Start-up and memory of the Windows program under Wine against its floor, a
# bare Win32 window built with the same compiler and flags
# (bench/bare_window_win32.cpp), for each build given: one table row each.
#
#   wine_pair.sh DRIVER STATE RUNS NAME QUIZ_EXE BARE_EXE [NAME QUIZ_EXE BARE_EXE]...
#
# DRIVER is tests/footprint/window_driver. STATE is a folder for the Wine
# prefix and the display (tests/win32/wine.sh makes them, the prefix only
# once). One wineserver stays up for all the runs, already warm: Wine's own
# services and desktop started before the first one. Each program is started
# RUNS times, the quiz and its floor taking turns; start-up is from the exec
# of Wine's loader for the program (32- or 64-bit) to its window being mapped,
# with the CPU time the program used until then (Wine's server and the X
# server not counted), memory is VmRSS one second after the start, and the
# idle CPU time is from one to four seconds after it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_sh=$here/../tests/win32/wine.sh

driver=${1:?usage: wine_pair.sh DRIVER STATE RUNS NAME QUIZ_EXE BARE_EXE...}
state=$2 runs=$3
shift 3
for program in "$driver" "$@"; do
    case $program in
    */*) [ -e "$program" ] || { echo "wine_pair.sh: $program is not built" >&2; exit 2; } ;;
    esac
done

# Outside the set-up: make it, run this script again inside it, end it.
if [ -z "${WINE:-}" ]; then
    mkdir -p "$state"
    state=$(cd "$state" && pwd)
    trap '"$wine_sh" stop "$state"' EXIT
    "$wine_sh" start "$state" >&2
    "$wine_sh" with "$state" "${BASH_SOURCE[0]}" "$driver" "$state" "$runs" "$@"
    exit
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/wine-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
value() { awk -v name="$1" '$1 == name { print $2 }' "$2"; }

# Wine's loader for the program: the 64-bit one would run a 32-bit program
# through a start.exe of its own, a process that is not the program.
loader() { # exe
    case $(file -b "$1") in
    PE32+*) echo "$WINE" ;;
    *) echo "${WINE32:-/usr/lib/wine/wine}" ;;
    esac
}

# The warm start: a persistent wineserver, with Wine's services and desktop
# already running (the first window starts them) and each floor started once,
# all outside the driver, which would take Wine's services for something the
# program left running.
wineserver -p
args=("$@")
for ((k = 2; k < ${#args[@]}; k += 3)); do
    "$(loader "${args[k]}")" "${args[k]}" &
    warm=$!
    for _ in $(seq 600); do
        xdotool search --onlyvisible --pid "$warm" >/dev/null 2>&1 && break
        sleep 0.1
    done
    kill "$warm" 2>/dev/null || true
    wait "$warm" 2>/dev/null || true
done

run() { # name kind exe
    local out=$work/$1.$2.out
    "$driver" --measure --idle --settle 0 -- "$(loader "$3")" "$3" >"$out" 2>"$work/driver.err" ||
        { echo "wine_pair.sh: $3 could not be measured:" >&2; cat "$work/driver.err" >&2; exit 1; }
    value startup_ms "$out" >>"$work/$1.$2.start"
    value startup_cpu_ms "$out" >>"$work/$1.$2.startcpu"
    value rss_kib "$out" >>"$work/$1.$2.rss"
    value idle_cpu_ms "$out" >>"$work/$1.$2.cpu"
    value startup_ms "$out"
}

echo "Starting each Windows program $runs times under Wine, the quiz and its floor taking turns..." >&2
for ((i = 0; i < runs; i++)); do
    for ((k = 0; k < ${#args[@]}; k += 3)); do
        name=${args[k]} quiz=${args[k + 1]} bare=${args[k + 2]}
        if ((i % 2 == 0)); then
            q=$(run "$name" quiz "$quiz")
            b=$(run "$name" bare "$bare")
        else
            b=$(run "$name" bare "$bare")
            q=$(run "$name" quiz "$quiz")
        fi
        awk -v q="$q" -v b="$b" 'BEGIN { print q / b }' >>"$work/$name.ratio"
    done
done

echo
echo "| Under Wine, $runs runs each, median unless said | river-mouth-quiz.exe | bare Win32 window | ratio |"
echo "|---|---|---|---|"
for ((k = 0; k < ${#args[@]}; k += 3)); do
    name=${args[k]}
    awk -v name="$name" -v q="$(median <"$work/$name.quiz.start")" -v b="$(median <"$work/$name.bare.start")" \
        -v r="$(median <"$work/$name.ratio")" 'BEGIN {
        printf "| %s: start-up, exec of wine to window mapped (ratio: median of pairwise ratios) | %.1f ms | %.1f ms | %.2f |\n", name, q, b, r }'
    # Other work on the machine only ever slows a run down: the fastest runs
    # are the least disturbed.
    awk -v name="$name" -v q="$(sort -g "$work/$name.quiz.start" | head -n1)" \
        -v b="$(sort -g "$work/$name.bare.start" | head -n1)" 'BEGIN {
        printf "| %s: start-up, the fastest run of each | %.1f ms | %.1f ms | %.2f |\n", name, q, b, q / b }'
    awk -v name="$name" -v q="$(median <"$work/$name.quiz.startcpu")" -v b="$(median <"$work/$name.bare.startcpu")" 'BEGIN {
        printf "| %s: CPU time of the program until its window is mapped | %.1f ms | %.1f ms | %.2f |\n", name, q, b, q / b }'
    awk -v name="$name" -v q="$(median <"$work/$name.quiz.rss")" -v b="$(median <"$work/$name.bare.rss")" 'BEGIN {
        printf "| %s: resident memory 1 s after start | %.1f MiB | %.1f MiB | %.2f |\n", name, q / 1024, b / 1024, q / b }'
    awk -v name="$name" -v q="$(median <"$work/$name.quiz.cpu")" -v b="$(median <"$work/$name.bare.cpu")" 'BEGIN {
        printf "| %s: CPU time while idle, 1 s to 4 s after start | %.3f ms | %.3f ms | |\n", name, q, b }'
done
echo
for ((k = 0; k < ${#args[@]}; k += 3)); do
    name=${args[k]}
    for kind in quiz bare; do
        echo "Start-up runs of $name $kind (ms): $(paste -sd' ' "$work/$name.$kind.start")"
    done
done
echo "Wine: $("$WINE" --version), Machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
