#!/usr/bin/env bash
# The whole program as a user keeps it all day: first start, the tray and its menu,
# the About box, exit with the settings written, and a start straight into the tray.
# Usage: tray_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
start_tray_host
start_zelvo

bar_shown() { xwininfo -id "$bar_window" | grep -q IsViewable && echo shown || echo hidden; }
windows_of_zelvo() { xdotool search --onlyvisible --pid "$zelvo_pid" "" 2>/dev/null | wc -l; }

# First start: factory widths, centred vertically on the 800-pixel screen.
eval "$(xdotool getwindowgeometry --shell "$bar_window")"
check "the factory bar is 449 pixels wide" "449x35" "${WIDTH}x$HEIGHT"
check "the bar is centred vertically" "382" "$bar_y"
e2e_wait "the tray icon" '[ -n "$(tray_icon)" ]' || true
check "the tray icon is there" "yes" "$([ -n "$(tray_icon)" ] && echo yes || echo no)"

click_box 2
xdotool type --delay 30 "12"
xdotool key Return
sleep 0.3
click_box 1
xdotool key ctrl+c
check "12 Q converts to 3 mm" "3.00" "$(clipboard)"

# Into the tray and back.
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Down Return
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
check "タスクバーへ格納 hides the bar" "hidden" "$(bar_shown)"
click_tray_icon 1
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "a left click on the tray icon shows it" "shown" "$(bar_shown)"

# The About box from the tray menu, closed with OK.
before=$(windows_of_zelvo)
click_tray_icon 3
check "a right click opens the tray menu" "$((before + 1))" "$(windows_of_zelvo)"
xdotool key Up Up Return
e2e_wait "the About box" '[ "$(xdotool search --onlyvisible --name "^Zelvo$" | wc -l)" -ge 2 ]'
about=$(xdotool search --onlyvisible --name '^Zelvo$' | grep -vx "$bar_window" | head -n 1)
check "バージョン情報 opens the About box" "yes" "$([ -n "$about" ] && echo yes || echo no)"
if [ -n "$about" ]; then
    # Laid out to its texts (the view tests check them whole), then fixed at that size.
    size=$(xwininfo -id "$about" | awk '/Width/ { w = $NF } /Height/ { h = $NF } END { print w " by " h }')
    check "the About box keeps the size of its layout" "$size|$size" \
        "$(xprop -id "$about" WM_NORMAL_HINTS | sed -n 's/.*program specified m\(in\|ax\)imum size: //p' |
            paste -sd '|')"
    xdotool key Return
    e2e_wait "the About box to close" '! xwininfo -id "$about" 2>/dev/null | grep -q IsViewable' || true
    check "OK closes the About box" "no" \
        "$(xwininfo -id "$about" 2>/dev/null | grep -q IsViewable && echo yes || echo no)"
fi

# ソフトの終了 writes setting.ini and ends.
click_tray_icon 3
xdotool key Up Return
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "ソフトの終了 ends the program" "ended" "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"
check "the settings are written" "yes" "$([ -s "$e2e_work/program/setting.ini" ] && echo yes || echo no)"
check "the tray icon is gone" "" "$(tray_icon)"

# Started with 起動時はtaskbarに格納: only the tray icon shows.
sed -i '/^\/check1\r$/{n;s/^0/1/}' "$e2e_work/program/setting.ini"
(cd "$e2e_work/program" && exec ./zelvo) >"$e2e_work/zelvo2.log" 2>&1 &
zelvo_pid=$!
e2e_pids+=("$zelvo_pid")
e2e_wait "the tray icon" '[ -n "$(tray_icon)" ]' || true
sleep 0.5
check "starting in the tray shows the icon" "yes" "$([ -n "$(tray_icon)" ] && echo yes || echo no)"
check "and no bar" "0" "$(xdotool search --onlyvisible --name '^Zelvo$' 2>/dev/null | grep -c . || true)"
click_tray_icon 3
xdotool key Down Return  # barを表示
e2e_wait "the bar" 'find_bar' || true
check "barを表示 brings the bar" "shown" "$(bar_shown)"
kill -TERM "$zelvo_pid"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "a termination signal writes the settings too" "yes" \
    "$(grep -q $'^/check1\r$' "$e2e_work/program/setting.ini" && echo yes || echo no)"

e2e_finish
