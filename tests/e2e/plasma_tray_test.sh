#!/usr/bin/env bash
# Plasma's own system tray in Plasma's X11 session: KWin (kwin_x11) as window manager,
# the panel's tray applet (plasmawindowed org.kde.plasma.systemtray) as host and kded5's
# StatusNotifierWatcher, on Xvfb. The item registers with the theme's icon name and the
# tip Zelvo, its menu is the tray menu, activating it (a click on its icon) shows the
# bar and KWin gives the bar the focus, and when the tray quits with the bar in it, the
# bar comes back.
# Run inside a private session bus:
#   dbus-run-session -- plasma_tray_test.sh ZELVO SKINS SNI_CLIENT
source "$(dirname "$0")/lib.sh"
client=$3
for program in kded5 plasmawindowed kwin_x11; do
    if ! command -v "$program" >/dev/null; then
        echo "SKIP: $program is not installed (Plasma's packages: scripts/install-deps.sh)"
        exit 77
    fi
done
e2e_setup "$1" "$2"
install_theme_icons
# The programs the bus starts on demand see the test's display.
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR XDG_DATA_DIRS

owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}
host_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames | grep -o 'org.kde.StatusNotifierHost-[0-9-]*' | head -n 1
}
items() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems 2>/dev/null | grep -o 'string "[^"]*"' | cut -d'"' -f2
}

active_window() { printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }')"; }
wm_name() {
    xprop -id "$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '{ print $NF }')" _NET_WM_NAME 2>/dev/null
}
KWIN_COMPOSE=N kwin_x11 --replace >"$e2e_work/kwin.log" 2>&1 &
e2e_pids+=($!)
e2e_wait "KWin" 'wm_name | grep -q KWin'

kded5 >"$e2e_work/kded.log" 2>&1 &
e2e_pids+=($!)
e2e_wait "kded5" 'owned org.kde.kded5'
dbus-send --session --print-reply --dest=org.kde.kded5 /kded org.kde.kded5.loadModule \
    string:statusnotifierwatcher >/dev/null
e2e_wait "the watcher" 'owned org.kde.StatusNotifierWatcher'
plasmawindowed org.kde.plasma.systemtray >"$e2e_work/tray.log" 2>&1 &
tray_pid=$!
e2e_pids+=("$tray_pid")
e2e_wait "the tray's host" '[ -n "$(host_name)" ]'

start_zelvo
e2e_wait "the item" '[ -n "$(items)" ]' || true
item=$(items | head -n 1)
service=${item%%/*}
check "Zelvo's item registers with Plasma's watcher" "yes" "$([ -n "$service" ] && echo yes || echo no)"
check "its icon name" "zelvo" "$("$client" icon-name "$service" 2>&1)"
check "its tool tip" "Zelvo" "$("$client" tooltip "$service" 2>&1)"
check "its menu is the tray menu" \
    "barを表示|環境設定|Barの表示位置・サイズを工場出荷時に…|-|help|バージョン情報|-|ソフトの終了" \
    "$("$client" menu "$service" 2>&1 | paste -sd '|')"

put_away
e2e_wait "the bar hidden" '[ "$(wm_state)" = Withdrawn ]' || true
check "with Plasma's tray there the bar hides" "Withdrawn" "$(wm_state)"
other_window_in_front
e2e_wait "the other window active" '[ "$(active_window)" = "$other" ]' || true
"$client" activate "$service"
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "activating the item shows the bar" "Normal" "$(wm_state)"
e2e_wait "the bar active" '[ "$(active_window)" = "$bar_window" ]' || true
check "and KWin gives it the focus" "yes" "$([ "$(active_window)" = "$bar_window" ] && echo yes || echo no)"

put_away
e2e_wait "the bar hidden" '[ "$(wm_state)" = Withdrawn ]' || true
kill "$tray_pid"
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "the tray quitting with the bar in it gives the bar back" "Normal" "$(wm_state)"
put_away
e2e_wait "the bar put away" '[ "$(wm_state)" != Normal ]' || true
check "kded's watcher alone is no tray: the bar is minimised" "Iconic" "$(wm_state)"

"$e2e_work/program/zelvo" --quit
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
e2e_finish
