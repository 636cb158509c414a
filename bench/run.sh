#!/usr/bin/env bash
# The figures a user feels, each beside its floor measured in the same run: start-up and memory,
# the hot key, wake-ups while idle, and conversions. The floor of the desktop figures is the
# probe, a bare Qt window shaped like the bar that shows and hides on the same hot key; the
# floor of a conversion is the expression evaluator alone on what the bar hands it.
#
# Everything runs on a private Xvfb with openbox and an XEmbed tray host (trayer), on a private
# session bus, in a fresh portable program folder whose setting.ini registers Ctrl+Alt+K.
#   start-up: exec until the bar is mapped, and the resident memory 300 ms later (map_watch);
#             one start of each to warm the caches, then the median of ten of each, taken
#             in turn;
#   hot key:  the press of K until the shown bar is unmapped, or the hidden bar is mapped and
#             first exposed (hot_key_watch); the median of 25 of each;
#   idle:     context switches of all threads over 30 s, with the bar hidden in the tray, then
#             shown and active;
#   model:    zelvo_bench, the median of five repetitions of each case.
#
# Usage: bench/run.sh [build-folder]    (default build/release; it is built first)
# Prints a table and exits 0 whatever the figures; non-zero only when a program never answers.
set -euo pipefail
cd "$(dirname "$0")/.."

# A session bus of its own, as a desktop has, and never the one of the desktop it runs in.
if [ "${ZELVO_BENCH_BUS:-}" != private ]; then
    ZELVO_BENCH_BUS=private exec dbus-run-session -- bash "$0" "$@"
fi

build=${1:-build/release}
[ -d "$build" ] || cmake --preset release
if ! build_log=$(cmake --build "$build" --target zelvo zelvo_bench map_watch hot_key_watch \
    zelvo_startup_probe 2>&1); then
    echo "$build_log" >&2
    exit 1
fi
build=$(realpath "$build")
bench_tools=$build/bench

source tests/e2e/lib.sh
e2e_setup "$build/zelvo" "$build/skin"
start_tray_host
settings=$e2e_work/program/setting.ini

startup_runs=10
hot_key_runs=25
idle_seconds=30

median() {
    sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Starts a program once from its folder under map_watch: "<mapped_ms> <rss_kb>".
measure_start() {
    local out
    if ! out=$(cd "$(dirname "$1")" &&
        "$bench_tools/map_watch" --name Zelvo --wider-than 64 -- "$1" 2>"$e2e_work/stderr"); then
        echo "run.sh: $1 did not map its window:" >&2
        tail -n 20 "$e2e_work/stderr" >&2
        return 1
    fi
    awk -F'[= ]' '/^mapped_ms=/ { ms = $2 } /^rss_kb=/ { kb = $2 } END { print ms, kb }' <<<"$out"
}

# Starts each program once to warm the caches, then both in turn, so that a change in the
# machine's load falls on both alike. Writes "<median_ms> <median_rss_mb>" of each program's
# starts to <file>.zelvo and <file>.probe.
start_figures() {
    local zelvo=$1 probe=$2 file=$3 i
    measure_start "$zelvo" >/dev/null && measure_start "$probe" >/dev/null || return 1
    for ((i = 0; i < startup_runs; i++)); do
        measure_start "$zelvo" >>"$file.zelvo.runs" && measure_start "$probe" >>"$file.probe.runs" ||
            return 1
    done
    local program
    for program in zelvo probe; do
        echo "$(cut -d' ' -f1 "$file.$program.runs" | median)" \
            "$(cut -d' ' -f2 "$file.$program.runs" | median | awk '{ print $1 / 1024 }')" \
            >"$file.$program"
    done
}

# Context switches of all threads of a process so far.
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches:/ { n += $2 } END { print n + 0 }'
}

# Context switches of a process over the idle period, after a moment to settle.
idle_switches() {
    sleep 2
    local before
    before=$(switches "$1")
    sleep "$idle_seconds"
    echo $(($(switches "$1") - before))
}

window_shown() { xwininfo -id "$1" | grep -q IsViewable; }

# Presses the hot key and waits until the window is shown (yes) or hidden (no).
hot_key_to() {
    local window=$1 shown=$2
    xdotool key ctrl+alt+k
    if [ "$shown" = yes ]; then
        e2e_wait "the window shown" "window_shown $window"
    else
        e2e_wait "the window hidden" "! window_shown $window"
    fi
}

# The hot key and idle figures of a running program's window:
# "<hide_ms> <map_ms> <expose_ms> <idle_hidden> <idle_shown>".
desktop_figures() {
    local pid=$1 window=$2 answers
    answers=$("$bench_tools/hot_key_watch" "$window" "$hot_key_runs") || return 1
    hot_key_to "$window" no
    local hidden shown
    hidden=$(idle_switches "$pid")
    hot_key_to "$window" yes
    shown=$(idle_switches "$pid")
    awk -F'[= ]' -v hidden="$hidden" -v shown="$shown" \
        '{ print $2, $4, $6, hidden, shown }' <<<"$answers"
}

stop_program() {
    kill -TERM "$1"
    e2e_wait "the program to end" "! kill -0 $1 2>/dev/null"
}

# A first start of Zelvo writes setting.ini, which then gets the hot key.
probe=$bench_tools/zelvo_startup_probe
measure_start "$e2e_work/program/zelvo" >/dev/null
sed -i '/^\/HotKey(bCtrl)\r$/{n;s/^.*\r$/True\r/}; /^\/HotKey(bAlt)\r$/{n;s/^.*\r$/True\r/};
        /^\/HotKey(sChar)\r$/{n;s/^.*\r$/K\r/}' "$settings"
start_figures "$e2e_work/program/zelvo" "$probe" "$e2e_work/start" || exit 1
zelvo_start=$(cat "$e2e_work/start.zelvo")
probe_start=$(cat "$e2e_work/start.probe")

start_zelvo
e2e_wait "the tray icon" '[ -n "$(tray_icon)" ]'
zelvo_desktop=$(desktop_figures "$zelvo_pid" "$bar_window")
stop_program "$zelvo_pid"

(cd "$bench_tools" && exec "$probe") >"$e2e_work/probe.log" 2>&1 &
probe_pid=$!
e2e_pids+=("$probe_pid")
e2e_wait "the probe" '[ -n "$(xdotool search --onlyvisible --pid "$probe_pid" --name "^Zelvo$")" ]'
sleep 0.5
probe_window=$(xdotool search --onlyvisible --pid "$probe_pid" --name '^Zelvo$' | head -n 1)
probe_desktop=$(desktop_figures "$probe_pid" "$probe_window")
stop_program "$probe_pid"

"$bench_tools/zelvo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$e2e_work/bench.csv"
# The median real time of a case, in the unit given (us or ms).
bench_median() {
    awk -F, -v name="\"$1_median\"" -v unit="$2" '$1 == name {
        scale = $5 == "ns" ? 1e-3 : $5 == "us" ? 1 : $5 == "ms" ? 1e3 : 1e6
        t = $3 * scale; print unit == "ms" ? t / 1e3 : t }' "$e2e_work/bench.csv"
}

echo "Zelvo beside its floor: Xvfb $DISPLAY with openbox and trayer, $(nproc) cores"
{
    read -r z_ms z_mb <<<"$zelvo_start"
    read -r p_ms p_mb <<<"$probe_start"
    read -r z_hide z_map z_expose z_idle_hidden z_idle_shown <<<"$zelvo_desktop"
    read -r p_hide p_map p_expose p_idle_hidden p_idle_shown <<<"$probe_desktop"
    printf '%-44s %10s %10s  %s\n' figure zelvo floor goal
    printf '%-44s %10.1f %10.1f  %s\n' \
        "start-up to mapped bar, ms (median of $startup_runs)" "$z_ms" "$p_ms" \
        "<= 1.1x floor ($(awk -v p="$p_ms" 'BEGIN { printf "%.1f", 1.1 * p }'))" \
        "resident memory, MB" "$z_mb" "$p_mb" \
        "<= floor + 3 ($(awk -v p="$p_mb" 'BEGIN { printf "%.1f", p + 3 }'))"
    printf '%-44s %10.2f %10.2f  %s\n' \
        "hot key to bar mapped, ms (median of $hot_key_runs)" "$z_map" "$p_map" "" \
        "hot key to bar exposed, ms (median of $hot_key_runs)" "$z_expose" "$p_expose" "<= 3" \
        "hot key to bar hidden, ms (median of $hot_key_runs)" "$z_hide" "$p_hide" "<= 1.5"
    printf '%-44s %10d %10d  %s\n' \
        "context switches in ${idle_seconds} s, hidden" "$z_idle_hidden" "$p_idle_hidden" "0" \
        "context switches in ${idle_seconds} s, shown and active" "$z_idle_shown" "$p_idle_shown" ""
    printf '%-44s %10.2f %10.2f  %s\n' \
        "one conversion, 25.4 in the mm box, us" "$(bench_median BM_ConvertUnits us)" \
        "$(bench_median BM_Evaluate us)" "" \
        "one conversion, 10+5q as expression, us" "$(bench_median BM_ConvertExpression us)" \
        "$(bench_median BM_Evaluate us)" "" \
        "1 MB expression 1+1+... pasted, ms" "$(bench_median BM_ConvertPastedMegabyte ms)" \
        "$(bench_median BM_EvaluatePastedMegabyte ms)" ""
}
echo "floors: the probe (desktop figures), the evaluator alone (conversions)"
