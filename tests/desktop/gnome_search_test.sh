#!/usr/bin/env bash
# GNOME Shell's own overview search (Debian 12's GNOME 43, headless on Wayland) with
# Zelvo installed into a temporary prefix: the shell finds the search provider by its
# key file, the session bus starts it, and a length typed into the overview brings
# Zelvo's results, whose first Enter copies to the clipboard, which a notification
# says. Keys go in through the
# shell's remote-desktop keyboard; the calls between the shell and the provider are
# watched on the bus.
#
#   gnome_search_test.sh BUILD_FOLDER KEYBOARD_TOOL
source "$(dirname "$0")/../e2e/lib.sh"
build=$(cd "$1" && pwd)
keyboard=$2
if ! command -v gnome-shell >/dev/null; then
    echo "SKIP: gnome-shell is not installed (GNOME's packages: scripts/install-deps.sh)"
    exit 77
fi
e2e_work=$(mktemp -d)
trap 'fusermount3 -u -z "$e2e_work/runtime/doc" 2>/dev/null || true; e2e_cleanup' EXIT
export XDG_RUNTIME_DIR="$e2e_work/runtime" HOME="$e2e_work/home"
export XDG_CONFIG_HOME="$e2e_work/home/.config" XDG_DATA_HOME="$e2e_work/home/.local/share"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME"
prefix="$e2e_work/prefix"
cmake --install "$build" --prefix "$prefix" >"$e2e_work/install.log" 2>&1
# As installed for real: the program on the path (the desktop entry tries it there).
export XDG_DATA_DIRS="$prefix/share:/usr/share" PATH="$prefix/bin:$PATH"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# A session bus that reads the installed tree's services, and a private system bus,
# where the shell asks for the session's seat.
start_bus() {
    local fifo
    fifo=$(mktemp -u "$e2e_work/bus.XXXXXX")
    mkfifo "$fifo"
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$fifo" >/dev/null 2>&1 &
    e2e_pids+=($!)
    read -r -t 10 bus_address <"$fifo"
}
start_bus
export DBUS_SESSION_BUS_ADDRESS=$bus_address
start_bus
export DBUS_SYSTEM_BUS_ADDRESS=$bus_address
gsettings set org.gnome.shell enabled-extensions "[]"
stdbuf -oL dbus-monitor "interface='org.gnome.Shell.SearchProvider2'" \
    "interface='org.freedesktop.Notifications',member='Notify'" >"$e2e_work/calls" 2>&1 &
e2e_pids+=($!)

gnome-shell --headless --wayland --virtual-monitor 1280x800 --wayland-display=wayland-zelvo \
    >"$e2e_work/shell.log" 2>&1 &
e2e_pids+=($!)
e2e_wait "GNOME Shell" 'grep -q "GNOME Shell started" "$e2e_work/shell.log"'
x_display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$e2e_work/shell.log" | head -n 1)
export WAYLAND_DISPLAY=wayland-zelvo DISPLAY=$x_display
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
export XAUTHORITY
dbus-update-activation-environment DISPLAY XAUTHORITY WAYLAND_DISPLAY

# The shell starts in the overview; typing there searches.
overview_active() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive 2>/dev/null
}
e2e_wait "the overview" '[ "$(overview_active)" = "(<true>,)" ]' || true
for key in 2 5 . 4 m m; do
    "$keyboard" "$key"
done
shows_results() { grep -A6 'member=GetResultMetas' "$e2e_work/calls" | grep -q '"2:25.4mm"'; }
e2e_wait "the shell to show Zelvo's results" 'shows_results' || true
check "the shell asks Zelvo with the typed term" "yes" \
    "$(grep -A12 'member=GetInitialResultSet\|member=GetSubsearchResultSet' "$e2e_work/calls" |
        grep -q '"25.4mm"' && echo yes || echo no)"
check "and takes Zelvo's results to show them" "yes" \
    "$(shows_results && echo yes || echo no)"
"$keyboard" return
e2e_wait "the copied value" '[ "$(clipboard)" = 101.60 ]' || true
check "Enter activates the first result, Q, and its value is on the clipboard" "101.60" \
    "$(clipboard)"
e2e_wait "the notification" 'grep -q "101.60 をコピーしました" "$e2e_work/calls"' || true
check "the shell is told to show a notification of the copy" "yes" \
    "$(grep -q '101.60 をコピーしました' "$e2e_work/calls" && echo yes || echo no)"
e2e_finish
