#!/usr/bin/env bash
# A desktop without a tray: the bar is minimised instead of hidden, so the task bar
# keeps it in reach; a tray host that starts later gets the icon, and from then on the
# bar hides into it. GNOME as it comes has no task bar either: there the bar stays
# shown.
# Usage: no_tray_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
settings="$e2e_work/program/setting.ini"

# As a click on its task bar entry does.
restore_from_task_bar() {
    xdotool windowactivate "$bar_window"
    e2e_wait "the bar restored" '[ "$(wm_state)" = Normal ]' || true
    e2e_wait "the bar active" '[ "$(printf %d "$(xprop -root _NET_ACTIVE_WINDOW | awk '\''{ print $NF }'\'')")" = "$bar_window" ]'
}
stop_zelvo() {
    kill -TERM "$zelvo_pid"
    e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
}

start_zelvo
put_away
e2e_wait "the bar minimised" '[ "$(wm_state)" = Iconic ]' || true
check "タスクバーへ格納 without a tray minimises the bar" "Iconic" "$(wm_state)"
restore_from_task_bar
check "the task bar brings it back" "Normal" "$(wm_state)"
"$e2e_work/program/zelvo" --toggle
e2e_wait "the bar put away" '[ "$(wm_state)" = Iconic ]' || true
check "the restored bar counts as shown: --toggle puts it away again" "Iconic" "$(wm_state)"
"$e2e_work/program/zelvo" --show
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "--show brings a minimised bar back" "Normal" "$(wm_state)"

# The panel starts late: the icon comes, and the bar hides into it from then on.
start_tray_host
e2e_wait "the tray icon" '[ -n "$(tray_icon)" ]' || true
check "a tray host that comes later gets the icon" "yes" "$([ -n "$(tray_icon)" ] && echo yes || echo no)"
put_away
e2e_wait "the bar hidden" '[ "$(wm_state)" = Withdrawn ]' || true
check "with a tray the bar hides" "Withdrawn" "$(wm_state)"
click_tray_icon 1
e2e_wait "the bar shown" '[ "$(wm_state)" = Normal ]' || true
check "and the icon brings it back" "Normal" "$(wm_state)"
stop_zelvo

# Starting in the tray with no tray there starts minimised.
kill "$(pgrep -n trayer)"
e2e_wait "the tray host gone" '! xwininfo -root -tree | grep -q '\''"panel"'\'''
sed -i '/^\/check1\r$/{n;s/^.*\r$/1\r/}' "$settings"
(cd "$e2e_work/program" && exec ./zelvo) >"$e2e_work/zelvo.log" 2>&1 &
zelvo_pid=$!
e2e_pids+=("$zelvo_pid")
e2e_wait "the bar window" 'find_bar_window && [ "$(wm_state)" = Iconic ]' || true
check "起動時はtaskbarに格納 without a tray starts minimised" "Iconic" "$(wm_state)"
restore_from_task_bar
"$e2e_work/program/zelvo" --toggle
e2e_wait "the bar put away" '[ "$(wm_state)" = Iconic ]' || true
check "once brought back it counts as shown" "Iconic" "$(wm_state)"
stop_zelvo

# GNOME as it comes: neither tray nor task bar. Starting in the tray starts shown; put
# away, the bar stays shown, and the user is told why and how to call it, once.
export XDG_CURRENT_DESKTOP=GNOME
start_zelvo
check "起動時はtaskbarに格納 on GNOME without a tray starts shown, without a word" \
    "Normal " "$(wm_state) $(message_boxes)"
put_away
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
notice=$(message_boxes | head -n 1)
check "タスクバーへ格納 leaves the bar shown, with a notice" "Normal yes" \
    "$(wm_state) $([ -n "$notice" ] && echo yes || echo no)"
[ -z "$notice" ] || xdotool windowactivate "$notice"
e2e_wait "the notice active" '[ "$(printf %d "$(xprop -root _NET_ACTIVE_WINDOW | awk '\''{ print $NF }'\'')")" = "$notice" ]' || true
xdotool key Return
e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
"$e2e_work/program/zelvo" --toggle
"$e2e_work/program/zelvo" --toggle
sleep 0.5
check "a second time it is not said again" "Normal " "$(wm_state) $(message_boxes)"
stop_zelvo

e2e_finish
