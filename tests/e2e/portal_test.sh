#!/usr/bin/env bash
# The hot key in a Wayland session through the desktop portal's GlobalShortcuts, on a
# portal that binds through BindShortcuts only: the stored key is asked for as the
# preferred trigger, its activation toggles the bar, and 変更 binds again, saying
# nothing where the desktop gives the key and telling the user where it declines or
# keeps another. Run inside a private session bus:
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
e2e_wait "the binding" '[ "$(wc -l <"$record")" -ge 2 ]' || true
check "the stored hot key comes with the session, then is bound as the preferred trigger" \
    "CreateSession toggle=CTRL+ALT+k|BindShortcuts toggle=CTRL+ALT+k" \
    "$(head -n 2 "$record" 2>/dev/null | paste -sd '|')"

xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Down Return  # タスクバーへ格納
e2e_wait "the bar hidden" '! bar_is_shown' || true
kill -USR1 "$portal_pid"
e2e_wait "the bar shown" 'bar_is_shown' || true
check "the portal's activation shows the hidden bar" "yes" "$(bar_is_shown && echo yes || echo no)"

open_settings_dialog
# 変更 with a key pressed into the capture control; returns once the portal was asked.
set_key() {
    local asked
    asked=$(wc -l <"$record")
    xdotool mousemove $((dialog_x + (120 + 120 + 700) / 15)) $((dialog_y + (1320 + 360 + 127) / 15)) click 1
    sleep 0.3
    [ -z "$1" ] || xdotool key "$1"
    xdotool mousemove $((dialog_x + (120 + 1800 + 307) / 15)) $((dialog_y + (1320 + 360 + 127) / 15)) click 1
    e2e_wait "the portal asked" '[ "$(wc -l <"$record")" -ge $((asked + 2)) ]' || true
}
set_key ""
check "変更 binds the key again" "BindShortcuts toggle=CTRL+ALT+k" "$(tail -n 1 "$record")"
sleep 0.5  # the portal's answer comes at once: time for a notice to show
check "and says nothing where the desktop gives it" "" "$(message_boxes)"
set_key ctrl+alt+l
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
check "a key the desktop keeps another for is reported" "1" "$(message_boxes | wc -l)"
xdotool key Return
e2e_wait "the notice closed" '[ -z "$(message_boxes)" ]' || true
set_key ctrl+alt+j
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
check "as is a key the desktop declines" "1" "$(message_boxes | wc -l)"
xdotool key Return
stop_zelvo

e2e_finish
