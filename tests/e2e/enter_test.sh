#!/usr/bin/env bash
# zelvo --enter: the bar shown with the expression in its expression box and
# converted, by the running Zelvo when a later start hands it over, or by the first
# start itself; what the bar cannot convert gets the bar's own notice.
# Usage: enter_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
start_tray_host
program="$e2e_work/program/zelvo"

bar_is_shown() { xwininfo -id "$bar_window" | grep -q 'IsViewable'; }
# Runs the program with arguments; prints its status and then what it said on stderr.
run() {
    local status=0
    "$program" "$@" 2>"$e2e_work/said" >/dev/null || status=$?
    echo "$status $(tr '\n' ' ' <"$e2e_work/said" | sed 's/ $//')"
}
# The text of box `index`, copied from it.
box_text() {
    printf '' | xclip -selection clipboard
    click_box "$1"
    xdotool key ctrl+a ctrl+c
    e2e_wait "the clipboard" '[ -n "$(clipboard)" ]' || true
    clipboard
}
# The texts of boxes `first` to 6, one line.
boxes_from() {
    local index texts=()
    for index in $(seq "$1" 6); do
        texts+=("$(box_text "$index")")
    done
    echo "${texts[*]}"
}

check "a line feed in the expression is refused" "2" "$(run --enter $'1\n2' | cut -d' ' -f1)"
check "an over-long expression is refused" "2" "$(run --enter "$(printf '1%.0s' {1..1100})" | cut -d' ' -f1)"

start_zelvo
put_away
e2e_wait "the bar hidden" '! bar_is_shown' || true
check "a later start hands the expression over" "0 " "$(run --enter "25.4mm")"
e2e_wait "the bar shown" 'bar_is_shown' || true
find_bar || true
check "the bar is shown" "yes" "$(bar_is_shown && echo yes || echo no)"
check "the expression box holds the expression" "25.4M" "$(box_text 0)"
check "the six units of 25.4 mm" "25.40 101.60 72.02 1.00 96.00 1440.18" "$(boxes_from 1)"

check "ten points handed over" "0 " "$(run -enter=10pt)"
e2e_wait "ten points" '[ "$(box_text 1)" = 3.53 ]' || true
check "ten points in the expression box" "10P" "$(box_text 0)"
check "ten points in millimetres" "3.53" "$(box_text 1)"

# The notice waits for the user; the later start has its answer before.
check "a bad expression is handed over and answered" "0 " "$(run --enter "12 apples")"
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
notice=$(message_boxes | head -n 1)
check "the bar's notice is shown" "yes" "$([ -n "$notice" ] && echo yes || echo no)"
if [ -n "$notice" ]; then
    check "the notice is titled Zelvo" "Zelvo" "$(xdotool getwindowname "$notice")"
    xdotool windowactivate --sync "$notice" key Return
    e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
fi
check "the expression box keeps what was entered" "12 apples" "$(box_text 0)"

check "--quit ends the running Zelvo" "0 " "$(run --quit)"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true

# With none running, --enter starts Zelvo with the bar shown, even where the settings
# say to start in the tray, and converts once the bar is up.
sed -i '/^\/check1\r$/{n;s/^.*\r$/1\r/}' "$e2e_work/program/setting.ini"
(cd "$e2e_work/program" && exec ./zelvo --enter 1inch) >"$e2e_work/zelvo.log" 2>&1 &
zelvo_pid=$!
e2e_pids+=("$zelvo_pid")
e2e_wait "the bar" 'find_bar' || true
check "the first start shows the bar" "yes" "$(bar_is_shown && echo yes || echo no)"
check "and enters the expression" "1I" "$(box_text 0)"
check "and converts it" "25.40 101.60 72.02 1.00 96.00 1440.18" "$(boxes_from 1)"
run --quit >/dev/null
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true

e2e_finish
