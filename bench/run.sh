#!/usr/bin/env bash
# Runs every benchmark against the build in BUILD_DIR on the X display it is
# given, and prints one table: the logic and the window from Google Benchmark,
# then start-up, memory and idle CPU of the quiz against a bare Qt Widgets
# window of the same size, measured in the same run.
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

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One value that the driver prints about one run of a program.
measure() { # name program driver-options...
    local name=$1 program=$2
    shift 2
    "$driver" "$@" -- "$program" | awk -v name="$name" '$1 == name { print $2 }'
}

gbench() { # program
    "$1" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
        | awk -F, '$1 ~ /_median"?$/ { gsub(/"/, "", $1); sub(/_median$/, "", $1); printf "%s %.3f %s\n", $1, $3, $5 }'
}

echo "Running the logic and window benchmarks (5 repetitions each)..." >&2
gbench "$build/bench/logic_bench" >"$work/gbench"
gbench "$build/bench/window_bench" >>"$work/gbench"

echo "Starting each program $pairs times, in alternating order..." >&2
for ((i = 0; i < pairs; i++)); do
    if ((i % 2 == 0)); then
        q=$(measure startup_ms "$quiz" --measure --settle 0)
        b=$(measure startup_ms "$bare" --measure --settle 0)
    else
        b=$(measure startup_ms "$bare" --measure --settle 0)
        q=$(measure startup_ms "$quiz" --measure --settle 0)
    fi
    echo "$q" >>"$work/start.quiz"
    echo "$b" >>"$work/start.bare"
    awk -v q="$q" -v b="$b" 'BEGIN { print q / b }' >>"$work/start.ratio"
done

echo "Leaving each program idle $idle_runs times for four seconds..." >&2
for ((i = 0; i < idle_runs; i++)); do
    for program in quiz bare; do
        path=$quiz
        [ $program = bare ] && path=$bare
        "$driver" --idle --settle 0 -- "$path" >"$work/idle.out"
        awk '$1 == "rss_kib" { print $2 }' "$work/idle.out" >>"$work/rss.$program"
        awk '$1 == "idle_cpu_ms" { print $2 }' "$work/idle.out" >>"$work/cpu.$program"
    done
done

start_quiz=$(median <"$work/start.quiz")
start_bare=$(median <"$work/start.bare")
start_ratio=$(median <"$work/start.ratio")
rss_quiz=$(median <"$work/rss.quiz")
rss_bare=$(median <"$work/rss.bare")
cpu_quiz=$(median <"$work/cpu.quiz")
cpu_bare=$(median <"$work/cpu.bare")

echo
echo "| Measure | river-mouth-quiz | bare window | ratio | aim |"
echo "|---|---|---|---|---|"
awk '{ printf "| %s (median of 5) | %s %s | | | |\n", $1, $2, $3 }' "$work/gbench"
awk -v q="$start_quiz" -v b="$start_bare" -v r="$start_ratio" -v n="$pairs" 'BEGIN {
    printf "| Start-up, exec to window mapped (median of %d) | %.1f ms | %.1f ms | %.2f (median of pairwise ratios) | at most 1.3 |\n", n, q, b, r }'
awk -v q="$rss_quiz" -v b="$rss_bare" -v n="$idle_runs" 'BEGIN {
    printf "| Resident memory 1 s after start (median of %d) | %.1f MiB | %.1f MiB | %.2f | at most 1.2 |\n", n, q / 1024, b / 1024, q / b }'
awk -v q="$cpu_quiz" -v b="$cpu_bare" -v n="$idle_runs" 'BEGIN {
    printf "| CPU time while idle, over 3 s (median of %d) | %.3f ms | %.3f ms | | none |\n", n, q, b }'
echo
echo "Runs: start-up quiz $(paste -sd' ' "$work/start.quiz"); bare $(paste -sd' ' "$work/start.bare")"
echo "Idle CPU ms: quiz $(paste -sd' ' "$work/cpu.quiz"); bare $(paste -sd' ' "$work/cpu.bare")"
echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
