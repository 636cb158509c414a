#!/usr/bin/env bash
# The tray of KDE, XFCE and GNOME's AppIndicator extension: a StatusNotifierItem
# registered with a watcher that comes two seconds after Zelvo, its menu read and
# used over com.canonical.dbusmenu, its activation showing the bar; a tray that goes
# gives the bar back, and a watcher without a host is no tray.
# Run inside a private session bus: dbus-run-session -- sni_tray_test.sh ZELVO SKINS HOST
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
install_theme_icons
host=$3
record="$e2e_work/registered"


start_zelvo
sleep 2  # the panel of this desktop comes late
"$host" watch "$record" &
watch_pid=$!
e2e_pids+=("$watch_pid")
e2e_wait "the item's registration" '[ -s "$record" ]' || true
service=$(head -n 1 "$record" 2>/dev/null || true)
check "Zelvo registers its item with a watcher that comes later" "yes" "$([ -n "$service" ] && echo yes || echo no)"

check "the item's tool tip names the program" "Zelvo" "$("$host" tooltip "$service" 2>&1)"
check "its icon is the theme's zelvo, drawn by the host at its own size" "zelvo" \
    "$("$host" icon-name "$service" 2>&1)"
check "its menu is the tray menu" \
    "barを表示|環境設定|Barの表示位置・サイズを工場出荷時に…|-|help|バージョン情報|-|ソフトの終了" \
    "$("$host" menu "$service" 2>&1 | paste -sd '|')"

put_away
e2e_wait "the bar hidden" '[ "$(wm_state)" = Withdrawn ]' || true
check "with the item there the bar hides" "Withdrawn" "$(wm_state)"
"$host" activate "$service"
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "activating the item shows the bar" "Normal" "$(wm_state)"

# The panel quits while the bar is in its tray: the bar comes back rather than stay
# out of reach.
put_away
e2e_wait "the bar hidden" '[ "$(wm_state)" = Withdrawn ]' || true
kill "$watch_pid"
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "a tray that goes while the bar is in it shows the bar" "Normal" "$(wm_state)"

# KDE's watcher runs without a panel too, saying a host is registered: that is no tray,
# and the bar is minimised. A panel that comes then takes the icon.
"$host" watcher "$record.2" &
e2e_pids+=($!)
e2e_wait "the watcher" 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true'
put_away
e2e_wait "the bar put away" '[ "$(wm_state)" != Normal ]' || true
check "a watcher without a host is no tray: the bar is minimised" "Iconic" "$(wm_state)"
"$host" host &
host_pid=$!
e2e_pids+=("$host_pid")
e2e_wait "the item's registration" '[ -s "$record.2" ]' || true
service=$(head -n 1 "$record.2" 2>/dev/null || true)
check "a host that comes gets the item" "yes" "$([ -n "$service" ] && echo yes || echo no)"
"$host" activate "$service"
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
put_away
e2e_wait "the bar hidden" '[ "$(wm_state)" = Withdrawn ]' || true
check "with the host there the bar hides into the tray" "Withdrawn" "$(wm_state)"
kill "$host_pid"
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "and comes back when the host goes" "Normal" "$(wm_state)"
"$host" host &
e2e_pids+=($!)
e2e_wait "the item's registration" '[ "$(wc -l <"$record.2")" -ge 2 ]' || true
service=$(tail -n 1 "$record.2")

"$host" click "$service" "barを表示" >/dev/null 2>&1
rm -f "$e2e_work/program/setting.ini"
"$host" click "$service" "ソフトの終了"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "ソフトの終了 from the item's menu ends Zelvo" "ended" \
    "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"
check "and writes the settings" "yes" "$([ -s "$e2e_work/program/setting.ini" ] && echo yes || echo no)"

e2e_finish
