#!/usr/bin/env bash
# zelvo.exe --enter under Wine: a later start hands the expression to the running
# Zelvo's control window, which shows the bar with the expression converted in its
# expression box, or the bar's notice; with none running, the first start does it.
# Usage: wine_enter_test.sh PROGRAM_FOLDER LINUX_ZELVO
source "$(dirname "$0")/wine_ui_lib.sh"
wine_setup "$1"

# Runs zelvo.exe --enter EXPRESSION while a Zelvo runs; prints its status.
enter() {
    local status=0
    (cd "$e2e_work/program" && "$wine" ./zelvo.exe --enter "$1") >>"$e2e_work/zelvo.log" 2>&1 ||
        status=$?
    echo "$status"
}

start_windows_zelvo
open_bar_menu
choose Down Return  # タスクバーへ格納
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
check "a later start hands 25.4mm over" "0" "$(enter 25.4mm)"
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "the bar is shown" "shown" "$(bar_shown)"
check "the expression box holds the expression" "25.4M" "$(box_text 0)"
check "the six units of 25.4 mm" "25.40 101.60 72.02 1.00 96.00 1440.18" "$(results)"

# The notice waits for the user; the later start has its answer before.
mark=$(log_mark)
check "a bad expression is handed over and answered" "0" "$(enter "12 apples")"
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
notice=$(message_boxes | head -n 1)
check "the bar's notice is shown" "yes" "$([ -n "$notice" ] && echo yes || echo no)"
check "the notice's text" $'計算対象文字列に誤りがあります｡\r\n計算を実行できません。' \
    "$(message_text "$mark")"
if [ -n "$notice" ]; then
    xdotool windowactivate --sync "$notice" key Return
    e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
fi
check "the expression box keeps what was entered" "12 apples" "$(box_text 0)"
quit_windows_zelvo

# With none running, --enter starts Zelvo and converts once the bar is up.
start_windows_zelvo --enter 1inch
check "the first start enters the expression" "1I" "$(box_text 0)"
check "and converts it" "25.40 101.60 72.02 1.00 96.00 1440.18" "$(results)"
quit_windows_zelvo

wine_finish
