#!/usr/bin/env bash
# The wall time of zelvo --convert as a shell or a launcher pays it: from the fork to the
# exit of one process that reads setting.ini, converts and prints six lines. Beside it two
# floors timed the same way: a program that only loads the libraries zelvo is linked to
# (Qt 6, xcb), and /bin/true; and the conversion alone in the process, as the search
# providers make it (zelvo_bench's BM_ConvertLength). No display is used.
#   an installed copy of the program, its settings in a private XDG_CONFIG_HOME holding a
#   setting.ini as the bar writes it; five runs of each to warm the caches, then the median,
#   the 90th percentile and the worst of 200 runs of each, taken in turn.
#
# Usage: bench/convert_run.sh [build-folder]    (default build/release; it is built first)
# Prints a table and exits 0 whatever the figures; non-zero only when a conversion fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
[ -d "$build" ] || cmake --preset release >/dev/null
cmake --build "$build" --target zelvo zelvo_linked_floor zelvo_bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/config/zelvo"
cp "$build/zelvo" "$work/bin/zelvo"
printf '/op1\r\nFalse|False|True|300\r\n/UPDOWN\r\n3\r\n' >"$work/config/zelvo/setting.ini"
unset DISPLAY WAYLAND_DISPLAY
export XDG_CONFIG_HOME="$work/config"

runs=200
expression='10mm+5q'
"$work/bin/zelvo" --convert "$expression" >/dev/null
programs=(zelvo linked bare)
# Runs one of the three programs, by name.
run_program() {
    case $1 in
        zelvo) "$work/bin/zelvo" --convert "$expression" ;;
        linked) "$build/bench/zelvo_linked_floor" ;;
        bare) /bin/true ;;
    esac
}

# Milliseconds of one run of the command, from $EPOCHREALTIME (no process of its own).
time_once() {
    local start end
    start=$EPOCHREALTIME
    "$@" >/dev/null
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}

for ((i = 0; i < runs + 5; i++)); do
    for program in "${programs[@]}"; do
        if [ "$i" -lt 5 ]; then
            time_once run_program "$program" >/dev/null
        else
            time_once run_program "$program" >>"$work/$program.ms"
        fi
    done
done

# "<median> <p90> <worst>" of a file of figures.
figures() {
    sort -g "$1" | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.2f %.2f %.2f\n", m, v[int(NR * 0.9 + 0.5)], v[NR] }'
}
read -r z_median z_p90 z_max < <(figures "$work/zelvo.ms")
read -r l_median l_p90 l_max < <(figures "$work/linked.ms")
read -r t_median t_p90 t_max < <(figures "$work/bare.ms")
in_process=$("$build/bench/zelvo_bench" --benchmark_filter='^BM_ConvertLength$' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | awk -F, '$1 == "\"BM_ConvertLength_median\"" {
        scale = $5 == "ns" ? 1e-3 : $5 == "us" ? 1 : $5 == "ms" ? 1e3 : 1e6
        printf "%.2f", $3 * scale }')

echo "zelvo --convert $expression: $runs runs of each program, $(nproc) cores"
printf '%-24s %8s %16s %10s  %s\n' "wall time, ms" zelvo "Qt-linked floor" "/bin/true" goal
printf '%-24s %8.2f %16.2f %10.2f  %s\n' \
    "median" "$z_median" "$l_median" "$t_median" "<= 20" \
    "90th percentile" "$z_p90" "$l_p90" "$t_p90" "" \
    "worst" "$z_max" "$l_max" "$t_max" ""
echo "the conversion alone in the process (ReadsAsLength and ConvertLength): $in_process us"
