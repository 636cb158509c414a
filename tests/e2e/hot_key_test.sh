#!/usr/bin/env bash
# Sets Ctrl+Alt+K and other settings in the dialog of the real program, toggles the
# bar with the hot key from behind another window, exits, and finds everything
# restored - the hot key registered again - after a restart.
# Usage: hot_key_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
E2E_NO_FOCUS_NEW=yes e2e_setup "$1" "$2"
start_zelvo

active_window() { xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }'; }
bar_is_active() { [ "$(printf '%d' "$(active_window)")" = "$bar_window" ]; }
bar_is_shown() { xwininfo -id "$bar_window" | grep -q 'IsViewable'; }
state() { bar_is_shown && { bar_is_active && echo front || echo behind; } || echo hidden; }
# Clicks a point of the settings dialog given in twips of its client area.
click_dialog() {
    xdotool mousemove $((dialog_x + $1 / 15)) $((dialog_y + $2 / 15)) click 1
    sleep 0.3
}

open_settings_dialog

click_dialog $((120 + 120 + 700)) $((1320 + 360 + 127))  # into the key-capture control
xdotool key ctrl+alt+k
click_dialog $((120 + 1800 + 307)) $((1320 + 360 + 127))  # 変更
click_dialog $((120 + 1200 + 100)) $((120 + 240 + 127))   # mac(72ppi)
click_dialog $((2760 + 2280 + 120)) $((120 + 225 + 60))   # decimals up: 3
click_dialog $((2760 + 120 + 100)) $((1080 + 600 + 127))  # always on top
click_dialog $((120 + 120 + 1000)) $((2520 + 840 + 150))  # the skin list
xdotool key Up Return
sleep 0.3
click_dialog $((120 + 120 + 2400)) $((2520 + 1200 + 127))  # バーに適用
xdotool windowclose "$dialog" 2>/dev/null || xdotool key --window "$dialog" alt+F4
sleep 0.3

# Another window in front, then the hot key three times.
xmessage -geometry +300+300 "in front of the bar" &
e2e_pids+=($!)
e2e_wait "the other window" 'xdotool search --onlyvisible --name "^xmessage$" >/dev/null'
other=$(xdotool search --onlyvisible --name '^xmessage$' | head -n 1)
xdotool windowactivate --sync "$other"
check "another window is in front" "behind" "$(state)"
xdotool key ctrl+alt+k
e2e_wait "the bar in front" 'bar_is_active' || true
check "the hot key brings the bar forward" "front" "$(state)"
xdotool key ctrl+alt+k
e2e_wait "the bar hidden" '! xwininfo -id "$bar_window" | grep -q IsViewable' || true
check "the hot key hides the bar in front" "hidden" "$(state)"
xdotool key ctrl+alt+k
e2e_wait "the bar shown" 'bar_is_shown' || true
check "the hot key shows the hidden bar" "yes" "$(bar_is_shown && echo yes || echo no)"
e2e_wait "the shown bar active" 'bar_is_active' || true
check "the shown bar is the active window" "front" "$(state)"

# Exit from the menu writes setting.ini.
find_bar
before_exit="$bar_x,$bar_y"
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Up Return
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
settings=$(iconv -f CP932 -t UTF-8 "$e2e_work/program/setting.ini" | tr -d '\r' | paste -sd '~')
check "the hot key is written" "yes" \
    "$(grep -q '/HotKey(bCtrl)~True~/HotKey(bAlt)~True~/HotKey(sChar)~K~' <<<"$settings" && echo yes || echo no)"
check "the options are written" "yes" \
    "$(grep -q '/op1~False|True|False|0000~/UPDOWN~3~/check1~0~/check2~1~' <<<"$settings" && echo yes || echo no)"
check "the skin is written" "yes" "$(grep -q '/SkinPath~skin_dark~' <<<"$settings" && echo yes || echo no)"

# The next start restores all of it.
start_zelvo
check "the bar comes back where it was" "$before_exit" "$bar_x,$bar_y"
e2e_wait "keep-above" 'xprop -id "$bar_window" _NET_WM_STATE | grep -q ABOVE' || true
check "the bar is on top again" "yes" \
    "$(xprop -id "$bar_window" _NET_WM_STATE | grep -q ABOVE && echo yes || echo no)"
click_box 1
xdotool type --delay 30 "25.4"
xdotool key Return
sleep 0.3
click_box 5
xdotool key ctrl+c
check "72 ppi and three decimals are back" "72.000" "$(clipboard)"
xdotool key ctrl+alt+k
e2e_wait "the bar hidden" '! xwininfo -id "$bar_window" | grep -q IsViewable' || true
check "the hot key works after the restart" "hidden" "$(state)"

# A second copy with the same hot key, in a session of its own (a second copy in the
# same session hands over to the first): the X server refuses it the key, quietly.
mkdir -p "$e2e_work/second" && mkdir -m 0700 "$e2e_work/runtime2"
cp -r "$e2e_work/program/." "$e2e_work/second/"
first_pid=$zelvo_pid
first_bar=$bar_window
(cd "$e2e_work/second" && XDG_RUNTIME_DIR="$e2e_work/runtime2" exec ./zelvo) >"$e2e_work/second.log" 2>&1 &
zelvo_pid=$!
e2e_pids+=("$zelvo_pid")
e2e_wait "the second bar" 'find_bar'
check "the second copy runs" "running" "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"
check "and says nothing about the key at start" "" "$(message_boxes)"
bar_window=$first_bar
xdotool key ctrl+alt+k
e2e_wait "the first bar shown" 'bar_is_shown' || true
check "the key still belongs to the first copy" "yes" "$(bar_is_shown && echo yes || echo no)"
kill -TERM "$zelvo_pid" "$first_pid"

e2e_finish
