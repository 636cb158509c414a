#!/usr/bin/env bash
# Start-up benchmark: how long Zelvo takes from exec until its bar window is mapped, and how much
# memory it then holds, next to the probe, a bare Qt window of the same shape that shows what
# any Qt Widgets program pays. Each program runs once to warm the caches, then ten times under
# map_watch on a private Xvfb without a window manager; the medians are printed.
#
# Usage: bench/startup.sh [path-to-zelvo]    (default build/release/zelvo)
# Exits 0 whatever the figures; non-zero only when a program never shows its window.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10
zelvo=$(realpath -m "${1:-build/release/zelvo}")

[ -d build/release ] || cmake --preset release
if ! build_log=$(cmake --build --preset release --target map_watch zelvo_startup_probe 2>&1); then
    echo "$build_log" >&2
    exit 1
fi
map_watch=$(realpath build/release/bench/map_watch)
probe=$(realpath build/release/bench/zelvo_startup_probe)
if [ ! -x "$zelvo" ]; then
    echo "startup.sh: no program at $zelvo; build it or pass its path" >&2
    exit 1
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the pipe once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 10 display <"$work/display"; then
    echo "startup.sh: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Runs a program once from its own folder and prints "<mapped_ms> <rss_kb>". Both programs title
# their bar "Zelvo", which tells it apart from any hidden window made at start.
measure() {
    local out
    if ! out=$(cd "$(dirname "$1")" && "$map_watch" --name Zelvo -- "$1" 2>"$work/stderr"); then
        echo "startup.sh: $1 did not map its window:" >&2
        tail -n 20 "$work/stderr" >&2
        return 1
    fi
    awk -F'[= ]' '/^mapped_ms=/ { ms = $2 } /^rss_kb=/ { kb = $2 } END { print ms, kb }' <<<"$out"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Prints "<median_ms> <median_rss_mb>" for a program.
bench_program() {
    measure "$1" >/dev/null || return 1
    for ((i = 0; i < runs; i++)); do
        measure "$1" || return 1
    done >"$work/runs"
    echo "$(cut -d' ' -f1 "$work/runs" | median) $(cut -d' ' -f2 "$work/runs" | median)"
}

zelvo_figures=$(bench_program "$zelvo") || exit 1
probe_figures=$(bench_program "$probe") || exit 1

echo "start-up to mapped window, median of $runs runs each, Xvfb $DISPLAY, no window manager"
awk -v z="$zelvo_figures" -v p="$probe_figures" 'BEGIN {
    split(z, zf, " "); split(p, pf, " ")
    printf "%-8s %14s %8s\n", "program", "median_map_ms", "rss_mb"
    printf "%-8s %14.1f %8.1f\n", "zelvo", zf[1], zf[2] / 1024
    printf "%-8s %14.1f %8.1f\n", "probe", pf[1], pf[2] / 1024
    printf "%-8s %13.2fx\n", "ratio", zf[1] / pf[1]
}'
echo "goal: within 1.5x of the probe in time, under 40 MB resident"
