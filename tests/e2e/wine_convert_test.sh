#!/usr/bin/env bash
# Conversions on the Windows program under Wine, typed with real keys and read back
# through the clipboard: a number in each unit box and an expression with a unit
# letter, the decimals and the 72 ppi density changed in the settings dialog, the
# notices of bad input with their exact texts, and Escape, which only beeps.
# Usage: wine_convert_test.sh PROGRAM_FOLDER LINUX_ZELVO
# (the Linux build's bell watcher, beside its program, hears the beeps)
source "$(dirname "$0")/wine_ui_lib.sh"
bell_watch=$(linux_build_tool "$2" bell_watch) || exit 1
wine_setup "$1"
"$bell_watch" >"$e2e_work/bells" &
e2e_pids+=($!)
e2e_wait "the bell watcher" 'grep -q ready "$e2e_work/bells"'
start_windows_zelvo

bells() { grep -c bell "$e2e_work/bells" || true; }

# Enter in each unit box at 96 ppi and two decimals: all six units, the box typed
# into keeping the number as typed.
typed=("" 25.4 12 72 2 48 1440)
expected=(""
    "25.40 101.60 72.02 1.00 96.00 1440.18"
    "3.00 12.00 8.51 0.12 11.34 170.10"
    "25.39 101.58 72.00 1.00 95.98 1439.86"
    "50.80 203.20 144.03 2.00 192.00 2880.36"
    "12.70 50.80 36.01 0.50 48.00 720.09"
    "25.34 101.38 71.86 1.00 95.79 1440.00")
for index in 1 2 3 4 5 6; do
    convert "$index" "${typed[index]}"
    check "${typed[index]} in unit box $index" "${expected[index]}" "$(results)"
done

convert 0 "10+5q"
check "the expression 10+5q" "11.25 45.00 31.90 0.44 42.52 637.88" "$(results)"

# Escape in a unit box beeps and leaves the box as it was.
focus_box 4
bells_before=$(bells)
xdotool key Escape
e2e_wait "a beep" '[ "$(bells)" -gt "$bells_before" ]' || true
check "Escape beeps once" "$((bells_before + 1))" "$(bells)"
check "Escape leaves the inch box" "0.44" "$(box_text 4)"

# The settings dialog: decimals take effect at once, the density at the next Enter.
convert 1 "25.4"
open_settings_dialog
click_dialog $((2760 + 2280 + 120)) $((120 + 225 + 60))  # decimals up: 3
check "three decimals re-round the boxes" "25.400 101.600 72.017 1.001 96.000 1440.180" \
    "$(results)"
click_dialog $((120 + 1200 + 100)) $((120 + 240 + 127))  # mac(72ppi)
check "72 ppi waits for the next conversion" "96.000" "$(box_text 5)"
convert 1 "25.4"
check "25.4 mm at 72 ppi" "25.400 101.600 72.017 1.001 72.000 1440.180" "$(results)"
click_dialog $((2760 + 2280 + 120)) $((120 + 225 + 195))  # decimals down: 2
click_dialog $((2760 + 2280 + 120)) $((120 + 225 + 195))  # decimals down: 1
check "one decimal re-rounds the boxes" "25.4 101.6 72.0 1.0 72.0 1440.2" "$(results)"

# Bad input: each notice is a message box titled Zelvo with its exact text, and Enter
# closes it.
notice() {
    local what=$1 expected_text=$2 mark box
    mark=$(log_mark)
    xdotool key Return
    e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
    box=$(message_boxes | head -n 1)
    check "$what shows a notice" "yes" "$([ -n "$box" ] && echo yes || echo no)"
    [ -n "$box" ] || return 0
    check "$what: the notice is titled Zelvo" "Zelvo" "$(xdotool getwindowname "$box")"
    check "$what: the notice's text" "$expected_text" "$(message_text "$mark")"
    xdotool key Return
    e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
    check "$what: Enter closes the notice" "" "$(message_boxes)"
}
focus_box 1
xdotool key BackSpace
notice "Enter in an empty box" "数値を入力して下さい"
focus_box 0
xdotool type --delay 40 -- "-5"
notice "a leading minus" $'計算対象文字列に誤りがあります｡\r\n計算を実行できません。'
focus_box 0
xdotool type --delay 40 -- "1/0"
notice "a division by zero" $'不明なエラーが発生しました。\r\n処理中止します。'

quit_windows_zelvo
wine_finish
