#!/usr/bin/env bash
# Converts on the real bar under Xvfb and openbox, reading the results back through
# the clipboard; a bad expression shows its notice and Escape only beeps.
# Usage: convert_test.sh ZELVO SKIN_FOLDER BELL_WATCH
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
bell_watch=$3

"$bell_watch" >"$e2e_work/bells" &
e2e_pids+=($!)
e2e_wait "the bell watcher" 'grep -q ready "$e2e_work/bells"'
start_zelvo

click_box 1
xdotool type --delay 30 "25.4"
xdotool key Return
sleep 0.3
click_box 0
expected=(25.40 101.60 72.02 1.00 96.00 1440.18)
for index in 1 2 3 4 5 6; do
    click_box "$index"
    xdotool key ctrl+c
    e2e_wait "the clipboard" '[ -n "$(clipboard)" ]' || true
    check "unit box $index after 25.4 mm" "${expected[index - 1]}" "$(clipboard)"
    printf '' | xclip -selection clipboard
done

bells_before=$(grep -c bell "$e2e_work/bells" || true)
click_box 4
xdotool key Escape
sleep 0.3
xdotool key ctrl+c
check "Escape leaves the inch box" "1.00" "$(clipboard)"
e2e_wait "a beep" '[ "$(grep -c bell "$e2e_work/bells")" -gt "$bells_before" ]' || true
check "Escape beeps" "$((bells_before + 1))" "$(grep -c bell "$e2e_work/bells")"

click_box 0
xdotool type --delay 30 "10+5q"
xdotool key Return
sleep 0.3
click_box 6
xdotool key ctrl+c
check "expression 10+5q in twips" "637.88" "$(clipboard)"

click_box 0
xdotool type --delay 30 -- "-5"
xdotool key Return
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
notice=$(message_boxes | head -n 1)
check "a bad expression shows a notice" "yes" "$([ -n "$notice" ] && echo yes || echo no)"
if [ -n "$notice" ]; then
    check "the notice is titled Zelvo" "Zelvo" "$(xdotool getwindowname "$notice")"
    xdotool windowactivate --sync "$notice" key Return
    e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
    check "Enter closes the notice" "" "$(message_boxes)"
fi

e2e_finish
