#!/usr/bin/env bash
# Moves, pins, resizes and maximises the real bar under Xvfb and openbox with the mouse.
# Usage: bar_window_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
start_zelvo


# Title drag: the bar follows the pointer.
start_x=$bar_x
start_y=$bar_y
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((bar_x + 10 + 12 * step)) $((bar_y + 15 + 8 * step))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
find_bar
check "title drag moves the bar" "$((start_x + 60)),$((start_y + 40))" "$bar_x,$bar_y"

check_keep_above_by_double_click

# Fill the boxes, then drag the separator after the mm box 30 pixels to the right:
# the pixels the separator covered now belong to the mm box.
click_box 1
xdotool type --delay 30 "25.4"
xdotool key Return
click_box 0
separator_x=$((bar_x + ($(separator_left 1) + 195) / 15))
xdotool mousemove "$separator_x" $((bar_y + 15)) mousedown 1
for step in 1 2 3; do
    xdotool mousemove $((separator_x + 10 * step)) $((bar_y + 15))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
xdotool mousemove $((separator_x - 2)) $((bar_y + 18)) click 1
sleep 0.2
xdotool key ctrl+c
check "the widened mm box reaches into the separator's old place" "25.40" "$(clipboard)"
check "the bar keeps its width" "449" "$(bar_geometry | sed 's/.* \([0-9]*\)x.*/\1/')"

# Right-end drag: the right end jumps to the pointer and the bar follows it.
right_end=$((bar_x + $(separator_left 6) / 15 + 5))
xdotool mousemove "$right_end" $((bar_y + 15)) mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove $((right_end + 25 * step)) $((bar_y + 15))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
check "the right end jumps to the pointer" "$(($(separator_left 6) / 15 + 5 + 100 + 34))" "$(bar_geometry | sed 's/.* \([0-9]*\)x.*/\1/')"

# The pop-up menu opens on a right click; its width entries act on the bar.
windows_before=$(xdotool search --onlyvisible --pid "$zelvo_pid" "" 2>/dev/null | wc -l)
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
windows_open=$(xdotool search --onlyvisible --pid "$zelvo_pid" "" 2>/dev/null | wc -l)
check "a right click on the title opens the menu" "$((windows_before + 1))" "$windows_open"
xdotool key Down Down Right Return
sleep 0.5
find_bar
check "maximise and equalise fills the screen" "0 1280" "$bar_x $(bar_geometry | sed 's/.* \([0-9]*\)x.*/\1/')"

xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Up Return
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "終了 ends the program" "ended" "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"

e2e_finish
