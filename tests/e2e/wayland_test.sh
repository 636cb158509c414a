#!/usr/bin/env bash
# A Wayland session: weston's headless compositor with Xwayland. Zelvo started with
# WAYLAND_DISPLAY set runs its bar on the X side, where its stored place, keep-above
# and --toggle work, also when the user asked Qt for Wayland; without an X server it
# says so.
# Usage: wayland_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
e2e_work=$(mktemp -d)
work=$e2e_work
trap e2e_cleanup EXIT
mkdir -m 0700 "$work/runtime"
mkdir "$work/program"
export XDG_RUNTIME_DIR="$work/runtime"
e2e_collect_sanitizer_reports
cp "$1" "$work/program/zelvo"
cp -r "$2" "$work/program/skin"
touch "$work/program/portable"
unset DISPLAY QT_QPA_PLATFORM

# Without an X server the bar cannot run: a word and status 1.
status=0
WAYLAND_DISPLAY=wayland-none "$work/program/zelvo" 2>"$work/said" || status=$?
check "no X server in a Wayland session: status 1" "1" "$status"
check "and a word on stderr" "yes" "$(grep -q 'Wayland session offers no X server' "$work/said" && echo yes || echo no)"

# Weston with Xwayland on the given backend; exports its Wayland and X displays.
start_weston() {
    local log="$work/weston-$1.log"
    weston --backend="$1-backend.so" --use-pixman --xwayland --socket="wayland-$1" --width=1280 \
        --height=800 --idle-time=0 --log="$log" &
    e2e_pids+=($!)
    e2e_wait "the compositor's X display" 'grep -q "xserver listening on display" "$log" 2>/dev/null'
    export WAYLAND_DISPLAY="wayland-$1"
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | head -n 1)
    export DISPLAY
}
bar_is_shown() { xwininfo -id "$bar_window" | grep -q IsViewable; }
settings="$work/program/setting.ini"

start_weston headless
start_zelvo
check "the bar maps on the X side" "yes" "$([ -n "$bar_window" ] && echo yes || echo no)"
check "through the xcb platform" "" "$(grep -i 'wayland' "$work/zelvo.log" || true)"
kill -TERM "$zelvo_pid"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'

# A user's QT_QPA_PLATFORM=wayland: the bar runs through XWayland all the same, and
# Zelvo says why, once.
QT_QPA_PLATFORM=wayland start_zelvo
check "QT_QPA_PLATFORM=wayland still maps the bar on the X side" "yes" \
    "$([ -n "$bar_window" ] && echo yes || echo no)"
check "and says why, once" "1" "$(grep -c 'QT_QPA_PLATFORM asks for Wayland' "$work/zelvo.log")"
kill -TERM "$zelvo_pid"
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'

sed -i "/^\/form\r\$/{n;s/^.*\r\$/3000,1500,6740,525\r/}" "$settings"
start_zelvo
e2e_wait "the bar at its place" 'find_bar && [ "$bar_x $bar_y" = "200 100" ]' || true
check "the stored place restores" "200 100" "$bar_x $bar_y"
"$work/program/zelvo" --quit
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "--quit ends it" "ended" "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"

# A headless compositor has no seat, so no window is ever in front there. Weston on
# its X11 backend (inside Xvfb) has one: the bar in front is hidden by --toggle, into
# the tray of an X11 panel (weston minimises no X11 window).
e2e_start_display
unset QT_QPA_PLATFORM
start_weston x11
start_tray_host
start_zelvo
e2e_wait "the tray icon" '[ -n "$(tray_icon)" ]' || true
e2e_wait "the bar in front" '[ "$(printf %d "$(xprop -root _NET_ACTIVE_WINDOW | awk '\''{ print $NF }'\'')")" = "$bar_window" ]' || true
"$work/program/zelvo" --toggle
e2e_wait "the bar hidden" '! bar_is_shown' || true
check "--toggle hides the bar in front" "no" "$(bar_is_shown && echo yes || echo no)"
"$work/program/zelvo" --toggle
e2e_wait "the bar shown" 'bar_is_shown' || true
check "--toggle shows it again" "yes" "$(bar_is_shown && echo yes || echo no)"
"$work/program/zelvo" --quit
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true

e2e_finish
