#!/usr/bin/env bash
# The bar's stored place is the one truth: every stored place comes back exactly,
# the top-left corner included, and the factory layout on a hidden bar keeps Left.
# Usage: position_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
start_tray_host

settings="$e2e_work/program/setting.ini"

# The "/form" value of the file written at the last exit.
stored_form() { tr -d '\r' <"$settings" | awk 'previous == "/form" { print; exit } { previous = $0 }'; }

# Ends Zelvo as the session manager would, and waits until its file is written.
stop_zelvo() {
    kill -TERM "$zelvo_pid"
    e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
}

windows_of_zelvo() { xdotool search --onlyvisible --pid "$zelvo_pid" "" 2>/dev/null | wc -l; }

# Right-clicks with `click` (shell text) and waits for the menu to open. A click that
# lands while the window manager is still taking a new window in is lost, so it is
# made again, up to three times.
open_menu() {
    local before attempt
    before=$(windows_of_zelvo)
    for attempt in 1 2 3; do
        eval "$1"
        local deadline=$((SECONDS + 5))
        while [ "$SECONDS" -lt "$deadline" ]; do
            [ "$(windows_of_zelvo)" -gt "$before" ] && return 0
            sleep 0.1
        done
    done
    echo "timed out waiting for the menu" >&2
    return 1
}

# Rewrites the stored "/form" rectangle; the line holds ASCII only.
store_form() {
    sed -i "/^\/form\r\$/{n;s/^.*\r\$/$1\r/}" "$settings"
}

start_zelvo
stop_zelvo
check "a first exit writes the factory place" "yes" "$(stored_form | grep -q ',6740,525$' && echo yes || echo no)"

for round in $(seq 10); do
    for place in 0,0 0,15 15,0 0,3000 -1500,-150 16500,4500; do
        store_form "$place,6740,525"
        start_zelvo
        left=${place%,*}
        top=${place#*,}
        check "round $round: $place shows at its pixels" "$((left / 15)) $((top / 15))" "$bar_x $bar_y"
        stop_zelvo
        check "round $round: $place is written back" "$place,6740,525" "$(stored_form)"
    done
done

# Barの表示位置・サイズを工場出荷時に… on a hidden bar: shown again with Left kept.
for round in $(seq 10); do
    store_form "4500,1500,12585,525"
    start_zelvo
    open_menu 'xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3'
    xdotool key Down Return  # タスクバーへ格納
    e2e_wait "the bar hidden" '! xwininfo -id "$bar_window" | grep -q IsViewable'
    open_menu 'click_tray_icon 3'
    xdotool key Down Down Down Return  # the third entry: the factory layout
    e2e_wait "the bar shown" 'xwininfo -id "$bar_window" | grep -q IsViewable'
    sleep 0.3
    stop_zelvo
    check "round $round: the factory place keeps Left" "4500,5752.5,6740,525" "$(stored_form)"
done

e2e_finish
