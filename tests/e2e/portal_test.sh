#!/usr/bin/env bash
# The hot key in a Wayland session through the desktop portal's GlobalShortcuts: the
# stored key is bound as the preferred trigger, its activation toggles the bar, and
# 変更 binds it again. Run inside a private session bus:
#   dbus-run-session -- portal_test.sh ZELVO SKIN_FOLDER PORTAL
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
portal=$3
record="$e2e_work/bound"
settings="$e2e_work/program/setting.ini"
start_tray_host

bar_is_shown() { xwininfo -id "$bar_window" | grep -q IsViewable; }
stop_zelvo() {
    kill -TERM "$zelvo_pid"
    e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
}

start_zelvo
stop_zelvo
sed -i '/^\/HotKey(bCtrl)\r$/{n;s/^.*\r$/True\r/}; /^\/HotKey(bAlt)\r$/{n;s/^.*\r$/True\r/};
        /^\/HotKey(sChar)\r$/{n;s/^.*\r$/K\r/}' "$settings"

"$portal" "$record" &
portal_pid=$!
e2e_pids+=("$portal_pid")
e2e_wait "the portal" 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.freedesktop.portal.Desktop | grep -q true'
export WAYLAND_DISPLAY=wayland-zelvo-test  # a Wayland session; the bar still runs on X
unset QT_QPA_PLATFORM
start_zelvo
e2e_wait "the binding" '[ -s "$record" ]' || true
check "the stored hot key is bound as the preferred trigger" "toggle=CTRL+ALT+k" "$(head -n 1 "$record" 2>/dev/null)"

xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Down Return  # タスクバーへ格納
e2e_wait "the bar hidden" '! bar_is_shown' || true
kill -USR1 "$portal_pid"
e2e_wait "the bar shown" 'bar_is_shown' || true
check "the portal's activation shows the hidden bar" "yes" "$(bar_is_shown && echo yes || echo no)"

xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Down Down Down Return  # 環境設定
e2e_wait "the settings dialog" 'xdotool search --onlyvisible --name "^設定$" >/dev/null'
dialog=$(xdotool search --onlyvisible --name '^設定$' | head -n 1)
read -r dialog_x dialog_y < <(window_origin "$dialog")
xdotool mousemove $((dialog_x + (120 + 1800 + 307) / 15)) $((dialog_y + (1320 + 360 + 127) / 15)) click 1
e2e_wait "the second binding" '[ "$(wc -l <"$record")" -ge 2 ]' || true
check "変更 binds the key again" "toggle=CTRL+ALT+k" "$(sed -n 2p "$record")"
check "and says nothing" "" "$(message_boxes)"
stop_zelvo

e2e_finish
