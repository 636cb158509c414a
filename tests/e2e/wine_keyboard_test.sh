#!/usr/bin/env bash
# The Windows program under Wine used from the keyboard alone: Tab to the mm box,
# type and Enter, copy the result; the menu key, then 環境設定; Tab to the decimals,
# Up to three; Escape closes the settings and the bar shows three decimals.
# Usage: wine_keyboard_test.sh PROGRAM_FOLDER LINUX_ZELVO
source "$(dirname "$0")/wine_ui_lib.sh"
wine_setup "$1"
start_windows_zelvo
e2e_wait "the bar active" 'bar_is_active' || true
dialog_shown() { xdotool search --onlyvisible --name '^設定$' >/dev/null 2>&1; }

xdotool key Tab  # from the expression box to mm
xdotool type --delay 40 "25.4"
xdotool key Return ctrl+a ctrl+c
e2e_wait "the clipboard" '[ -n "$(clipboard)" ]' || true
check "typed, converted and copied from the keyboard" "25.40" "$(clipboard)"

xdotool key Menu Up Up Return  # 環境設定, the second entry from the end
e2e_wait "the settings dialog" 'dialog_shown' || true
# The density options are the first stop, the box beside them is off at 96 ppi: the
# decimals come next.
xdotool key Tab Up
xdotool key Escape
e2e_wait "the settings closed" '! dialog_shown' || true
check "Escape closes the settings" "closed" "$(dialog_shown && echo open || echo closed)"
check "Up on the decimals gave three, and the bar shows them" "25.400" "$(box_text 1)"

quit_windows_zelvo
e2e_finish
