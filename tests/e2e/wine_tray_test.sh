#!/usr/bin/env bash
# The Windows program's tray icon and hot key under Wine, Xvfb, openbox and trayer:
# the icon in the tray host, its left click and its menu with the exact captions, the
# bar into the tray and back, the hot key set in the settings dialog and pressed while a
# Wine window has the keyboard (Wine hears its programs' hot keys only then), and
# ソフトの終了 writing setting.ini.
# Usage: wine_tray_test.sh PROGRAM_FOLDER LINUX_ZELVO
source "$(dirname "$0")/wine_ui_lib.sh"
wine_setup "$1"
start_tray_host
start_windows_zelvo

click_tray_icon() { xdotool mousemove --window "$(wine_tray_icon)" 10 10 click "$1"; }
# The pop-up menu open on the screen: a window of the program with neither name nor frame.
menu_window() {
    xwininfo -root -children |
        awk '/has no name/ && /"zelvo.exe" "zelvo.exe"/ && !/ 1x1\+/ { print $1; exit }'
}
other_window() { xdotool search --onlyvisible --class '^notepad\.exe$' 2>/dev/null | head -n 1; }
other_is_active() {
    [ "$(printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }')")" = "$(other_window)" ]
}
e2e_wait "the tray icon" '[ -n "$(wine_tray_icon)" ]' || true
check "the tray icon is there" "yes" "$([ -n "$(wine_tray_icon)" ] && echo yes || echo no)"

convert 2 "12"
check "12 Q converts to 3 mm" "3.00" "$(box_text 1)"

# Into the tray from the bar's menu, and back with a left click on the icon.
open_bar_menu
choose Down Return
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
check "タスクバーへ格納 hides the bar" "hidden" "$(bar_shown)"
click_tray_icon 1
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "a left click on the tray icon shows it" "shown" "$(bar_shown)"

# The tray menu. Wine gives a menu the keys through a shown window of its program: with
# the bar active, its entries are chosen with the keyboard.
focus_box 2
open_menu 'click_tray_icon 3'
check "the tray menu" "barを表示|環境設定|Barの表示位置・サイズを工場出荷時に…|-|help|バージョン情報|-|ソフトの終了" \
    "$menu_shown"
choose Down Down Return
e2e_wait "the settings dialog" 'xdotool search --onlyvisible --name "^設定$" >/dev/null' || true
check "環境設定 opens the settings dialog" "yes" \
    "$(xdotool search --onlyvisible --name '^設定$' >/dev/null && echo yes || echo no)"
xdotool key Escape
e2e_wait "the settings dialog to close" '! xdotool search --onlyvisible --name "^設定$" >/dev/null' ||
    true

# Barの表示位置・サイズを工場出荷時に…: the bar keeps its left edge and is centred on the
# title's height, (12000 - 495) / 2 = 5752.5 twips, 384 pixels.
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) mousedown 1 mousemove $((bar_x + 50)) $((bar_y + 75))
xdotool mousemove $((bar_x + 70)) $((bar_y + 85)) mouseup 1
e2e_wait "the bar moved" 'find_wine_bar && [ "$bar_x" = 60 ]' || true
focus_box 2
open_menu 'click_tray_icon 3'
choose Down Down Down Return
e2e_wait "the factory place" 'find_wine_bar && [ "$bar_y" = 384 ]' || true
check "the factory place keeps the left edge" "60,384" "$bar_x,$bar_y"

# barを表示 on a hidden bar, chosen with the mouse: no shown window of the program takes
# the keys then.
open_bar_menu
choose Down Return
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
open_menu 'click_tray_icon 3'
read -r menu_x menu_y < <(window_origin "$(menu_window)")
xdotool mousemove $((menu_x + 30)) $((menu_y + 10)) click 1
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "barを表示 shows the hidden bar" "shown" "$(bar_shown)"
e2e_wait "the bar active" 'bar_is_active' || true
check "and makes it the active window" "yes" "$(bar_is_active && echo yes || echo no)"

# The hot key Ctrl+Alt+K, set in the capture box and taken with 変更.
open_settings_dialog
click_dialog $((120 + 120 + 700)) $((1320 + 360 + 127))
xdotool key ctrl+alt+k
click_dialog $((120 + 1800 + 307)) $((1320 + 360 + 127))

# Behind the settings dialog, the bar comes forward: what is typed next reaches its
# active box. (Wine 8 keeps a program's own choice of foreground window from the window
# manager, which goes on showing the dialog as the active window.)
check "the settings dialog is in front" "no" "$(bar_is_active && echo yes || echo no)"
xdotool key ctrl+alt+k
sleep 0.5
xdotool type --delay 40 "7"
check "the hot key brings the bar forward: it takes the keys" "7" "$(box_text 2)"

# In front, the bar goes into the tray; hidden, it comes back with its box's text
# selected, so that typing replaces it.
xdotool key ctrl+alt+k
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
check "the hot key hides the bar in front" "hidden" "$(bar_shown)"
xdotool key ctrl+alt+k
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "the hot key shows the hidden bar" "shown" "$(bar_shown)"
e2e_wait "the bar active" 'bar_is_active' || true
xdotool type --delay 40 "5"
check "its active box's text is selected" "5" "$(box_text 2)"

# Another program in front. There, the bar brought forward shows only as the next press
# finding it in front and hiding it: Wine leaves the keys with the window the window
# manager made active.
(cd "$e2e_work" && exec "$wine" notepad.exe) >>"$e2e_work/notepad.log" 2>&1 &
e2e_pids+=($!)
e2e_wait "the other program" '[ -n "$(other_window)" ]'
xdotool windowmove "$(other_window)" 600 100
e2e_wait "the other program active" 'other_is_active' || true
check "another program is in front" "yes" "$(other_is_active && echo yes || echo no)"
xdotool key ctrl+alt+k
sleep 0.5
check "the hot key leaves the bar behind another program shown" "shown" "$(bar_shown)"
xdotool key ctrl+alt+k
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
check "the next press finds it in front and hides it" "hidden" "$(bar_shown)"
xdotool key ctrl+alt+k
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "the hot key shows it over the other program" "shown" "$(bar_shown)"
e2e_wait "the bar active" 'bar_is_active' || true
check "as the active window" "yes" "$(bar_is_active && echo yes || echo no)"

# ソフトの終了 writes setting.ini, the hot key with it, and takes the icon away.
focus_box 2
open_menu 'click_tray_icon 3'
choose Up Return
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "ソフトの終了 ends the program" "ended" \
    "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"
settings=$(iconv -f CP932 -t UTF-8 "$e2e_work/program/setting.ini" | tr -d '\r' | paste -sd '~')
check "the hot key is written" "yes" \
    "$(grep -q '/HotKey(bShift)~False~/HotKey(bCtrl)~True~/HotKey(bAlt)~True~/HotKey(sChar)~K~' \
        <<<"$settings" && echo yes || echo no)"
e2e_wait "the tray icon to go" '[ -z "$(wine_tray_icon)" ]' || true
check "the tray icon is gone" "" "$(wine_tray_icon)"

wine_finish
