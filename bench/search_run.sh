#!/usr/bin/env bash
# The length search's answer times, as GNOME Shell's search and KRunner wait for them:
# the program installed into a temporary prefix, a private session bus that starts it
# from the installed service file, an X display for its clipboard, and
# bench/search_timing.py asking (20 cold starts, 500 warm questions of each kind).
#
# Usage: bench/search_run.sh [build-folder]    (default build/release; it is built first)
# Prints a table and exits 0 whatever the figures.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
[ -d "$build" ] || cmake --preset release >/dev/null
cmake --build "$build" --target zelvo >/dev/null
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir -p "$work/config/zelvo"
printf '/op1\r\nFalse|False|True|300\r\n/UPDOWN\r\n3\r\n' >"$work/config/zelvo/setting.ini"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_DIRS="$work/prefix/share:/usr/share"

mkfifo "$work/display" "$work/bus"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
read -r -t 15 display <"$work/display"
export DISPLAY=":$display"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 DBUS_SESSION_BUS_ADDRESS <"$work/bus"
export DBUS_SESSION_BUS_ADDRESS
/usr/bin/python3 bench/search_timing.py "${COLD_RUNS:-20}" "${WARM_RUNS:-500}"
