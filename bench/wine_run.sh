#!/usr/bin/env bash
# The Windows program under Wine, beside its floor: a bare Win32 window of the bar's size
# under the same Wine, which shows and hides on the same hot key. Both run from one portable
# program folder on a private Xvfb with openbox, in one Wine prefix whose server is kept
# running.
#   start-up: map_watch times the exec until the window is mapped; one start of each warms
#             the caches, then the median of ten of each, taken in turn;
#   hot key:  hot_key_watch times the press of K until the shown window is unmapped, or the
#             hidden one mapped and first exposed; the median of 25 of each. Wine hands its
#             programs their hot keys only while one of its windows has the keyboard: Notepad
#             stays open behind, and takes it while the window is hidden.
#
# Usage: bench/wine_run.sh [windows-build] [release-build]
#        (defaults build/windows and build/release, both built first)
# Prints a table and exits 0 whatever the figures; non-zero only when a program never maps.
set -euo pipefail
cd "$(dirname "$0")/.."

windows=${1:-build/windows}
release=${2:-build/release}
[ -d "$windows" ] || cmake --preset windows >/dev/null
[ -d "$release" ] || cmake --preset release >/dev/null
cmake --build "$windows" --target zelvo bare_window >/dev/null
cmake --build "$release" --target map_watch hot_key_watch >/dev/null
windows=$(realpath "$windows")
bench_tools=$(realpath "$release")/bench
map_watch=$bench_tools/map_watch

source tests/e2e/lib.sh
e2e_start_display
export WINEPREFIX=$e2e_work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wine=/usr/lib/wine/wine64
/usr/lib/wine/wineserver -p
"$wine" wineboot.exe -i >/dev/null 2>&1
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT

mkdir -p "$e2e_work/program"
cp "$windows/zelvo.exe" "$windows/portable" "$windows/bench/bare_window.exe" "$e2e_work/program/"
cp -r "$windows/skin" "$e2e_work/program/skin"

runs=10
median() {
    sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Starts a program of the folder once under map_watch: "<mapped_ms>".
measure_start() {
    local out
    if ! out=$(cd "$e2e_work/program" &&
        "$map_watch" --name Zelvo --wider-than 64 -- "$wine" "$1" 2>"$e2e_work/stderr"); then
        echo "wine_run.sh: $1 did not map its window:" >&2
        tail -n 20 "$e2e_work/stderr" >&2
        return 1
    fi
    awk -F'[= ]' '/^mapped_ms=/ { print $2 }' <<<"$out"
}

measure_start zelvo.exe >/dev/null
measure_start bare_window.exe >/dev/null
for ((i = 0; i < runs; i++)); do
    measure_start zelvo.exe >>"$e2e_work/zelvo.runs"
    measure_start bare_window.exe >>"$e2e_work/bare.runs"
done

# The hot key. A first start of Zelvo writes setting.ini, which then gets Ctrl+Alt+K.
hot_key_runs=25
start_program() {
    (cd "$e2e_work/program" && exec "$wine" "$@") >>"$e2e_work/programs.log" 2>&1 &
    program_pid=$!
}
widest_zelvo_window() {
    local window width
    for window in $(xdotool search --onlyvisible --name '^Zelvo$' 2>/dev/null); do
        width=$(xwininfo -id "$window" | awk '/Width:/ { print $NF }')
        [ "$width" -gt 100 ] && echo "$window"
    done | head -n 1
}
end_program() {
    kill "$program_pid" 2>/dev/null || true
    e2e_wait "the program to end" "! kill -0 $program_pid 2>/dev/null"
    e2e_wait "its window to go" '[ -z "$(widest_zelvo_window)" ]'
}
# "<hide_ms> <map_ms> <expose_ms>" of the program started with `arguments`.
hot_key_figures() {
    start_program "$@"
    e2e_wait "the window" '[ -n "$(widest_zelvo_window)" ]'
    local window
    window=$(widest_zelvo_window)
    xdotool mousemove --window "$window" 5 5 click 1
    e2e_wait "the window active" \
        '[ "$(printf "%d" "$(xprop -root _NET_ACTIVE_WINDOW | awk "{ print \$NF }")")" = "$window" ]'
    "$bench_tools/hot_key_watch" "$window" "$hot_key_runs" | awk -F'[= ]' '{ print $2, $4, $6 }'
    end_program
}
start_program zelvo.exe
e2e_wait "the bar" '[ -n "$(widest_zelvo_window)" ]'
(cd "$e2e_work/program" && "$wine" zelvo.exe --quit) >>"$e2e_work/programs.log" 2>&1
e2e_wait "Zelvo to end" "! kill -0 $program_pid 2>/dev/null"
sed -i '/^\/HotKey(bCtrl)\r$/{n;s/^.*\r$/True\r/}; /^\/HotKey(bAlt)\r$/{n;s/^.*\r$/True\r/};
        /^\/HotKey(sChar)\r$/{n;s/^.*\r$/K\r/}' "$e2e_work/program/setting.ini"
(cd "$e2e_work/program" && exec "$wine" notepad.exe) >>"$e2e_work/programs.log" 2>&1 &
notepad_pid=$!
e2e_wait "Notepad" 'xdotool search --onlyvisible --class "^notepad\.exe$" >/dev/null'
read -r z_hide z_map z_expose < <(hot_key_figures zelvo.exe)
read -r b_hide b_map b_expose < <(hot_key_figures bare_window.exe --hot-key)
kill "$notepad_pid" 2>/dev/null || true

row() { printf '%-46s %12s %12s\n' "$@"; }
row "under Wine" "zelvo.exe" "bare window"
row "exec until mapped, ms (median of $runs)" "$(median <"$e2e_work/zelvo.runs")" \
    "$(median <"$e2e_work/bare.runs")"
row "hot key to window mapped, ms (median of $hot_key_runs)" "$z_map" "$b_map"
row "hot key to window exposed, ms (median of $hot_key_runs)" "$z_expose" "$b_expose"
row "hot key to window hidden, ms (median of $hot_key_runs)" "$z_hide" "$b_hide"
