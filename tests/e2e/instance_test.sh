#!/usr/bin/env bash
# One Zelvo per graphical session: later starts and the command line reach the
# running one of their session, and a second session of the same user runs its own.
# Usage: instance_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
start_tray_host
program="$e2e_work/program/zelvo"
socket="$XDG_RUNTIME_DIR/org.zelvo.Zelvo-x11-${DISPLAY#:}.socket"

active_window() { xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }'; }
bar_is_active() { [ "$(printf '%d' "$(active_window)")" = "$bar_window" ]; }
bar_is_shown() { xwininfo -id "$bar_window" | grep -q 'IsViewable'; }
state() { bar_is_shown && { bar_is_active && echo front || echo behind; } || echo hidden; }
zelvos() {
    local pid
    for pid in $(pgrep -x zelvo); do
        [ "$(readlink "/proc/$pid/exe")" = "$program" ] && echo "$pid"
    done | wc -l
}
# Runs the program with arguments; prints its status and then what it said on stderr.
run() {
    local status=0
    "$program" "$@" 2>"$e2e_work/said" >/dev/null || status=$?
    echo "$status $(tr '\n' ' ' <"$e2e_work/said" | sed 's/ $//')"
}

check "--quit with none running says so" "0 zelvo: no Zelvo is running" "$(run --quit)"
check "--version" "0 " "$(run --version)"
check "an unknown option is refused with status 2" "2" "$(run --frobnicate | cut -d' ' -f1)"

start_zelvo
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
sleep 0.4
xdotool key Down Return  # タスクバーへ格納
e2e_wait "the bar hidden" '! bar_is_shown'
check "a second plain start ends at once" "0 " "$(run)"
e2e_wait "the bar shown" 'bar_is_shown' || true
e2e_wait "the bar active" 'bar_is_active' || true
check "and brings the running bar to the front" "front" "$(state)"
check "one Zelvo runs" "1" "$(zelvos)"

xmessage -geometry +300+300 "in front of the bar" &
e2e_pids+=($!)
e2e_wait "the other window" 'xdotool search --onlyvisible --name "^xmessage$" >/dev/null'
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^xmessage$' | head -n 1)"
check "another window is in front" "behind" "$(state)"
run --toggle >/dev/null
e2e_wait "the bar in front" 'bar_is_active' || true
check "--toggle brings the bar forward" "front" "$(state)"
run --toggle >/dev/null
e2e_wait "the bar hidden" '! bar_is_shown' || true
check "--toggle hides the bar in front" "hidden" "$(state)"
run --toggle >/dev/null
e2e_wait "the bar shown" 'bar_is_shown' || true
check "--toggle shows the hidden bar" "yes" "$(bar_is_shown && echo yes || echo no)"
run --show >/dev/null
check "--show leaves a shown bar shown" "yes" "$(bar_is_shown && echo yes || echo no)"

# What is not a request is dropped with a word, and nothing happens.
/usr/bin/python3 - "$socket" <<'PY'
import socket, sys
for payload in (b"frobnicate\n", b"x" * 2000, b"quit"):
    peer = socket.socket(socket.AF_UNIX)
    peer.connect(sys.argv[1])
    peer.sendall(payload)
    peer.close()
PY
e2e_wait "the drops said" '[ "$(grep -c "request over the instance socket was dropped" "$e2e_work/zelvo.log")" -ge 2 ]' || true
check "malformed requests are said on stderr" "2" \
    "$(grep -c 'request over the instance socket was dropped' "$e2e_work/zelvo.log")"
check "and not acted on" "1 yes" "$(zelvos) $(bar_is_shown && echo yes || echo no)"

rm -f "$e2e_work/program/setting.ini"
check "--quit ends the running Zelvo" "0 " "$(run --quit)"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "the settings are written" "yes" "$([ -s "$e2e_work/program/setting.ini" ] && echo yes || echo no)"

# A Zelvo killed outright leaves its socket; the next start replaces it.
start_zelvo
kill -KILL "$zelvo_pid"
wait "$zelvo_pid" 2>/dev/null || true
check "the killed Zelvo left its socket" "yes" "$([ -S "$socket" ] && echo yes || echo no)"
# Starting in the tray is the stored choice; --show starts with the bar shown anyway.
sed -i '/^\/check1\r$/{n;s/^.*\r$/1\r/}' "$e2e_work/program/setting.ini"
(cd "$e2e_work/program" && exec ./zelvo --show) >"$e2e_work/zelvo.log" 2>&1 &
zelvo_pid=$!
e2e_pids+=("$zelvo_pid")
e2e_wait "the bar" 'find_bar' || true
check "--show starts Zelvo with its bar shown" "yes" "$([ -n "$bar_window" ] && bar_is_shown && echo yes || echo no)"
check "a second plain start reaches it" "0 " "$(run)"
check "one Zelvo runs" "1" "$(zelvos)"
run --quit >/dev/null
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true

# Two graphical sessions of one user, one runtime folder: a Zelvo in each, and --quit
# in one ends only that one.
sed -i '/^\/check1\r$/{n;s/^.*\r$/0\r/}' "$e2e_work/program/setting.ini"
first_display=$DISPLAY
start_zelvo
first_pid=$zelvo_pid
e2e_start_display
start_zelvo
check "a second session runs a Zelvo of its own" "2" "$(zelvos)"
check "--quit in the first session" "0 " "$(DISPLAY=$first_display run --quit)"
e2e_wait "the first Zelvo to end" '! kill -0 "$first_pid" 2>/dev/null' || true
check "ends the first session's Zelvo only" "ended running" \
    "$(kill -0 "$first_pid" 2>/dev/null && echo running || echo ended) \
$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"
run --quit >/dev/null
e2e_wait "the second Zelvo to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true

e2e_finish
