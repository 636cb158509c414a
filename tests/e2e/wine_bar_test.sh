#!/usr/bin/env bash
# The Windows program's bar under Wine, worked with the mouse (and its menu from the
# keyboard): its factory place, the
# title drag, keep-above by double-clicks on the title, the menu's width commands,
# a separator's and the right end's drags, and everything back where it was after
# --quit and a new start, as setting.ini keeps it.
# Usage: wine_bar_test.sh PROGRAM_FOLDER LINUX_ZELVO
source "$(dirname "$0")/wine_ui_lib.sh"
wine_setup "$1"
settings="$e2e_work/program/setting.ini"
start_windows_zelvo

# A value line of setting.ini, after its key line.
stored() { tr -d '\r' <"$settings" | awk -v key="$1" 'previous == key { print; exit } { previous = $0 }'; }
stored_widths() { stored /text1 | tr '|' '\n' | cut -d, -f3 | paste -sd ' '; }

# Presses the left button at pixel `x` of the bar's title row, moves `steps` times by
# `dx`, `dy` and releases.
drag() {
    local x=$1 steps=$2 dx=$3 dy=$4 step
    xdotool mousemove $((bar_x + x)) $((bar_y + 15)) mousedown 1
    for step in $(seq "$steps"); do
        xdotool mousemove $((bar_x + x + dx * step)) $((bar_y + 15 + dy * step))
        sleep 0.05
    done
    xdotool mouseup 1
    sleep 0.3
    find_wine_bar
}

check "the factory bar, centred vertically" "0,382 449x35" "$(bar_geometry)"

start_x=$bar_x
start_y=$bar_y
drag 10 5 12 8
check "title drag moves the bar" "$((start_x + 60)),$((start_y + 40))" "$bar_x,$bar_y"

check_keep_above_by_double_click

# The menu key and Shift+F10 in a unit box open the bar's menu, not the box's edit menu.
focus_box 1
open_menu 'xdotool key Menu'
check "the menu key opens the bar's menu" "タスクバーへ格納|幅を操作|環境設定|終了" "$menu_shown"
choose Escape
open_menu 'xdotool key shift+F10'
check "as does Shift+F10" "タスクバーへ格納|幅を操作|環境設定|終了" "$menu_shown"
choose Escape

# The menu, its width sub-menu, and 最大化して均等: the bar fills the screen's width
# with seven boxes of (19200 - 3240) / 7 = 2280 twips.
open_bar_menu
check "the bar's menu" "タスクバーへ格納|幅を操作|環境設定|終了" "$menu_shown"
open_menu 'xdotool key Down Down Right'
check "the width sub-menu" "最大化して均等|各項目の幅を均等に…" "$menu_shown"
choose Return
e2e_wait "the bar maximised" 'find_wine_bar && [ "$(bar_geometry)" = "0,$bar_y 1280x35" ]' || true
check "最大化して均等 fills the screen's width" "0,$bar_y 1280x35" "$(bar_geometry)"
box_width=2280

# The separator after the mm box (5340 to 5730 twips) dragged 30 pixels to the right:
# the mm box now reaches over its old place, and the bar keeps its width.
convert 1 "25.4"
drag 369 3 10 0
check "the widened mm box reaches into the separator's old place" "25.40" "$(text_at 367)"
check "a separator drag keeps the bar's width" "1280x35" "$(bar_geometry | cut -d' ' -f2)"

# 各項目の幅を均等に…: the Q box has its old place again, right of the separator.
open_bar_menu
choose Down Down Right Down Return
check "equal widths give the Q box its place back" "101.60" "$(text_at 394)"
check "equal widths keep the bar's width" "1280x35" "$(bar_geometry | cut -d' ' -f2)"

# The separator after the point box (10680 twips) 40 pixels to the left, then the
# right end (18690 twips) 100 to the left: it jumps to the pointer.
drag 725 4 -10 0
check "the inch box reaches into the point box's old place" "1.00" "$(text_at 703)"
drag 1251 4 -25 0
check "the right end follows the pointer" "1185x35" "$(bar_geometry | cut -d' ' -f2)"

xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click --repeat 2 --delay 80 1
e2e_wait "keep-above" '[ "$(above)" = yes ]' || true
shown=$(bar_geometry)
quit_windows_zelvo
check "the place and size are written" "0,6337.5,17775,525" "$(stored /form)"
check "the box widths are written" "2280 2280 2280 1680 2880 2280 855" "$(stored_widths)"
check "the right end is written" "17265,0,510,495" "$(stored /BottomImg)"
check "keep-above is written" "1" "$(stored /check2)"
cp "$settings" "$e2e_work/first.ini"

start_windows_zelvo
check "a new start shows the bar where it was" "$shown" "$(bar_geometry)"
e2e_wait "keep-above" '[ "$(above)" = yes ]' || true
check "and above the other windows again" "yes" "$(above)"
convert 1 "25.4"
check "the inch box keeps its width" "1.00" "$(text_at 703)"
quit_windows_zelvo
check "setting.ini is written again as it was read" "yes" \
    "$(cmp -s "$e2e_work/first.ini" "$settings" && echo yes || echo no)"

wine_finish
