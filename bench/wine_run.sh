#!/usr/bin/env bash
# Start-up of the Windows program under Wine, beside its floor: a bare Win32 window of the
# bar's size under the same Wine. Each is started from a fresh portable program folder on a
# private Xvfb with openbox, in one Wine prefix whose server is kept running; map_watch times
# the exec until the window is mapped. One start of each warms the caches, then the median of
# ten of each, taken in turn.
#
# Usage: bench/wine_startup.sh [windows-build] [release-build]
#        (defaults build/windows and build/release, both built first)
# Prints a table and exits 0 whatever the figures; non-zero only when a program never maps.
set -euo pipefail
cd "$(dirname "$0")/.."

windows=${1:-build/windows}
release=${2:-build/release}
[ -d "$windows" ] || cmake --preset windows >/dev/null
[ -d "$release" ] || cmake --preset release >/dev/null
cmake --build "$windows" --target zelvo bare_window >/dev/null
cmake --build "$release" --target map_watch >/dev/null
windows=$(realpath "$windows")
map_watch=$(realpath "$release")/bench/map_watch

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
        echo "wine_startup.sh: $1 did not map its window:" >&2
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

printf '%-40s %12s %12s\n' "start-up under Wine (median of $runs)" "zelvo.exe" "bare window"
printf '%-40s %12s %12s\n' "exec until mapped, ms" "$(median <"$e2e_work/zelvo.runs")" \
    "$(median <"$e2e_work/bare.runs")"
