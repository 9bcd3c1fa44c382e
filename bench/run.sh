#!/usr/bin/env bash
# Runs every benchmark against the build in BUILD_DIR on the X display it is
# given, and prints one table: the logic and the window from Google Benchmark,
# then start-up, memory and idle CPU of the quiz against two floors measured in
# the same run: a bare Qt Widgets window of the same size, and the same window
# with one line of text, which is what it takes to start the font system.
#
#   run.sh BUILD_DIR [START_UP_PAIRS] [IDLE_RUNS]
set -euo pipefail

build=${1:?usage: run.sh BUILD_DIR [START_UP_PAIRS] [IDLE_RUNS]}
pairs=${2:-15}
idle_runs=${3:-3}

driver=$build/tests/footprint/window_driver
quiz=$build/ui/river-mouth-quiz
bare=$build/bench/bare-window
for program in "$driver" "$quiz" "$bare" "$build/bench/logic_bench" "$build/bench/window_bench"; do
    [ -x "$program" ] || { echo "run.sh: $program is not built" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
# A runtime directory of its own, as a desktop session gives, so that the
# platform does not make one for either program.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The bare windows would start a session bus of their own where none runs; the
# quiz does not, so neither may they.
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || export DBUS_SESSION_BUS_ADDRESS=disabled:

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

gbench() { # program
    "$1" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
        | awk -F, '$1 ~ /_median"?$/ { gsub(/"/, "", $1); sub(/_median$/, "", $1); printf "%s %.3f %s\n", $1, $3, $5 }'
}

echo "Running the logic and window benchmarks (5 repetitions each)..." >&2
gbench "$build/bench/logic_bench" >"$work/gbench"
gbench "$build/bench/window_bench" >>"$work/gbench"

programs=(quiz bare text)
run() { # program driver-options...
    local program=$1
    shift
    case $program in
    quiz) "$driver" "$@" -- "$quiz" ;;
    bare) "$driver" "$@" -- "$bare" ;;
    text) "$driver" "$@" -- "$bare" --text ;;
    esac
}
value() { awk -v name="$1" '$1 == name { print $2 }'; }

echo "Starting each program $pairs times, taking turns in a rotating order..." >&2
for ((i = 0; i < pairs; i++)); do
    declare -A took=()
    for ((k = 0; k < 3; k++)); do
        program=${programs[(i + k) % 3]}
        took[$program]=$(run "$program" --measure --settle 0 | value startup_ms)
        echo "${took[$program]}" >>"$work/start.$program"
    done
    awk -v q="${took[quiz]}" -v b="${took[bare]}" 'BEGIN { print q / b }' >>"$work/ratio.bare"
    awk -v q="${took[quiz]}" -v t="${took[text]}" 'BEGIN { print q / t }' >>"$work/ratio.text"
done

echo "Leaving each program idle $idle_runs times for four seconds..." >&2
for ((i = 0; i < idle_runs; i++)); do
    for program in "${programs[@]}"; do
        run "$program" --idle --settle 0 >"$work/idle.out"
        value rss_kib <"$work/idle.out" >>"$work/rss.$program"
        value idle_cpu_ms <"$work/idle.out" >>"$work/cpu.$program"
    done
done

declare -A start rss cpu
for program in "${programs[@]}"; do
    start[$program]=$(median <"$work/start.$program")
    rss[$program]=$(median <"$work/rss.$program")
    cpu[$program]=$(median <"$work/cpu.$program")
done
ratio_bare=$(median <"$work/ratio.bare")
ratio_text=$(median <"$work/ratio.text")

echo
echo "| Measure | river-mouth-quiz | bare window | ratio | bare window with one line of text | ratio | aim (against the bare window) |"
echo "|---|---|---|---|---|---|---|"
awk -v n="$pairs" -v q="${start[quiz]}" -v b="${start[bare]}" -v t="${start[text]}" -v rb="$ratio_bare" -v rt="$ratio_text" 'BEGIN {
    printf "| Start-up, exec to window mapped (median of %d; ratio: median of pairwise ratios) | %.1f ms | %.1f ms | %.2f | %.1f ms | %.2f | at most 1.3 |\n", n, q, b, rb, t, rt }'
awk -v n="$idle_runs" -v q="${rss[quiz]}" -v b="${rss[bare]}" -v t="${rss[text]}" 'BEGIN {
    printf "| Resident memory 1 s after start (median of %d) | %.1f MiB | %.1f MiB | %.2f | %.1f MiB | %.2f | at most 1.2 |\n", n, q / 1024, b / 1024, q / b, t / 1024, q / t }'
awk -v n="$idle_runs" -v q="${cpu[quiz]}" -v b="${cpu[bare]}" -v t="${cpu[text]}" 'BEGIN {
    printf "| CPU time while idle, 1 s to 4 s after start (median of %d) | %.3f ms | %.3f ms | | %.3f ms | | none |\n", n, q, b, t }'
echo
echo "| Benchmark (median of 5 repetitions) | time per operation |"
echo "|---|---|"
awk '{ printf "| %s | %.1f us |\n", $1, ($3 == "ns") ? $2 / 1000 : $2 }' "$work/gbench"
echo
for program in "${programs[@]}"; do
    echo "Start-up runs of $program (ms): $(paste -sd' ' "$work/start.$program")"
done
for program in "${programs[@]}"; do
    echo "Idle CPU of $program (ms): $(paste -sd' ' "$work/cpu.$program")"
done
echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
