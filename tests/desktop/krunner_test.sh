#!/usr/bin/env bash
# KRunner itself (Plasma 5.27's) with Zelvo installed into a temporary prefix: KRunner
# finds the D-Bus runner by its installed entry and, for a query typed into it (given
# here through KRunner's own query call), asks Zelvo's runner on the session bus,
# which the bus starts, and gets Zelvo's matches back. The calls and answers are
# watched on the bus; KRunner's window itself is not read.
#
#   krunner_test.sh BUILD_FOLDER
source "$(dirname "$0")/../e2e/lib.sh"
build=$(cd "$1" && pwd)
if ! command -v krunner >/dev/null; then
    echo "SKIP: krunner is not installed (Plasma's packages: scripts/install-deps.sh)"
    exit 77
fi
e2e_start_display
export HOME="$e2e_work/home" XDG_CONFIG_HOME="$e2e_work/home/.config"
export XDG_DATA_HOME="$e2e_work/home/.local/share" XDG_CACHE_HOME="$e2e_work/home/.cache"
mkdir -p "$HOME"
prefix="$e2e_work/prefix"
cmake --install "$build" --prefix "$prefix" >"$e2e_work/install.log" 2>&1
export XDG_DATA_DIRS="$prefix/share:/usr/share" PATH="$prefix/bin:$PATH"

fifo=$(mktemp -u "$e2e_work/bus.XXXXXX")
mkfifo "$fifo"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$fifo" >/dev/null 2>&1 &
e2e_pids+=($!)
read -r -t 10 DBUS_SESSION_BUS_ADDRESS <"$fifo"
export DBUS_SESSION_BUS_ADDRESS
stdbuf -oL dbus-monitor "interface='org.kde.krunner1',member='Match'" \
    "type='method_return'" >"$e2e_work/calls" 2>&1 &
e2e_pids+=($!)

krunner --replace >"$e2e_work/krunner.log" 2>&1 &
e2e_pids+=($!)
krunner_up() {
    gdbus call --session --dest org.kde.krunner --object-path /App \
        --method org.freedesktop.DBus.Introspectable.Introspect 2>/dev/null |
        grep -q org.kde.krunner.App
}
e2e_wait "KRunner" 'krunner_up'
gdbus call --session --dest org.kde.krunner --object-path /App \
    --method org.kde.krunner.App.query "12q" >/dev/null

asked() {
    grep -A1 'destination=org.zelvo.Zelvo.SearchProvider .*member=Match' "$e2e_work/calls" |
        grep -q 'string "12q"'
}
answered() { grep -q 'string "3.00 mm"' "$e2e_work/calls"; }
e2e_wait "KRunner's question to Zelvo" 'asked' || true
check "KRunner asks Zelvo's runner for the query" "yes" "$(asked && echo yes || echo no)"
e2e_wait "Zelvo's matches" 'answered' || true
check "and gets Zelvo's matches back" "yes" "$(answered && echo yes || echo no)"
check "five matches, one for each unit but the typed Q" "5" \
    "$(grep -c 'string "[0-9]:12q"' "$e2e_work/calls")"
e2e_finish
