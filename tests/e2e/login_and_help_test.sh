#!/usr/bin/env bash
# The settings dialog's login start writes and removes the autostart entry, and
# "help" opens the HTML help in the browser when no viewer of compiled help exists.
# Usage: login_and_help_test.sh ZELVO SKIN_FOLDER HELP_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
cp -r "$3" "$e2e_work/program/help"
start_tray_host

# A desktop of our own: its config folder, no handler for compiled help, and a
# browser that only notes what it was asked to open.
export XDG_CONFIG_HOME="$e2e_work/config"
mkdir -p "$e2e_work/bin"
printf '#!/bin/sh\nexit 0\n' >"$e2e_work/bin/xdg-mime"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened"\n' "$e2e_work" >"$e2e_work/bin/xdg-open"
chmod +x "$e2e_work/bin/xdg-mime" "$e2e_work/bin/xdg-open"
export PATH="$e2e_work/bin:$PATH"
entry="$XDG_CONFIG_HOME/autostart/org.zelvo.Zelvo.desktop"

start_zelvo
windows_of_zelvo() { xdotool search --onlyvisible --pid "$zelvo_pid" "" 2>/dev/null | wc -l; }
open_menu() {
    local before
    before=$(windows_of_zelvo)
    eval "$1"
    e2e_wait "the menu" '[ "$(windows_of_zelvo)" -gt "$before" ]'
}

open_menu 'xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3'
xdotool key Down Down Down Return  # 環境設定
e2e_wait "the settings dialog" 'xdotool search --onlyvisible --name "^設定$" >/dev/null'
dialog=$(xdotool search --onlyvisible --name '^設定$' | head -n 1)
read -r dialog_x dialog_y < <(window_origin "$dialog")
click_login_box() {
    xdotool mousemove $((dialog_x + (2760 + 120 + 100) / 15)) $((dialog_y + (1080 + 960 + 127) / 15)) click 1
}

click_login_box
e2e_wait "the autostart entry" '[ -f "$entry" ]' || true
check "ログイン時に起動 writes the autostart entry" "yes" "$([ -f "$entry" ] && echo yes || echo no)"
check "the entry starts this program" "Exec=$e2e_work/program/zelvo" "$(grep '^Exec=' "$entry" 2>/dev/null)"
check "the entry waits for the panel" "yes" \
    "$(grep -qx 'X-KDE-autostart-after=panel' "$entry" 2>/dev/null && echo yes || echo no)"
click_login_box
e2e_wait "the entry removed" '[ ! -e "$entry" ]' || true
check "clearing it removes the entry" "no" "$([ -e "$entry" ] && echo yes || echo no)"
xdotool windowclose "$dialog" 2>/dev/null || xdotool key --window "$dialog" alt+F4

open_menu 'click_tray_icon 3'
xdotool key Down Down Down Down Return  # help, past the separator
e2e_wait "the browser" '[ -s "$e2e_work/opened" ]' || true
check "help opens the HTML pages" "file://$e2e_work/program/help/index.html" \
    "$(head -n 1 "$e2e_work/opened" 2>/dev/null)"
check "and shows no notice" "" "$(message_boxes)"

kill -TERM "$zelvo_pid"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
check "a portable program writes no settings to the config folder" "no" \
    "$([ -e "$XDG_CONFIG_HOME/zelvo" ] && echo yes || echo no)"

e2e_finish
