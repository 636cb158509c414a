# Shared steps of the end-to-end tests: a private X display with a window manager,
# a fresh program folder, the real Zelvo started in it, and ways to reach its boxes.
# Source it, then call e2e_setup PROGRAM SKIN_FOLDER.

set -euo pipefail

e2e_work=
e2e_pids=()
e2e_failures=0
e2e_passes=0

e2e_cleanup() {
    local pid
    for pid in "${e2e_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${e2e_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    [ -n "$e2e_work" ] && rm -rf "$e2e_work"
}

# A sanitizer build of the program writes what it finds into the work folder, and
# e2e_finish fails the test on it.
e2e_collect_sanitizer_reports() {
    case "${ASAN_OPTIONS:-}" in *"log_path=$e2e_work/"*) return ;; esac
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}log_path=$e2e_work/sanitizer"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}log_path=$e2e_work/sanitizer"
}

# Starts Xvfb on a free display and openbox on it, in the work folder (a fresh one
# unless the test made it).
e2e_start_display() {
    if [ -z "$e2e_work" ]; then
        e2e_work=$(mktemp -d)
        trap e2e_cleanup EXIT
    fi
    local fifo
    fifo=$(mktemp -u "$e2e_work/display.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" 2>"$e2e_work/xvfb.log" &
    e2e_pids+=($!)
    local display
    if ! read -r -t 15 display <"$fifo"; then
        echo "Xvfb did not start" >&2
        cat "$e2e_work/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    # A session of its own: the running Zelvo of this test is the only one it finds.
    export XDG_RUNTIME_DIR="$e2e_work/runtime"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
    e2e_collect_sanitizer_reports
    local config=()
    if [ "${E2E_NO_FOCUS_NEW:-}" = yes ]; then
        # A window manager that keeps the focus where it is when a window appears:
        # only an explicit activation makes a window the active one.
        sed 's|<focusNew>yes</focusNew>|<focusNew>no</focusNew>|' /etc/xdg/openbox/rc.xml \
            >"$e2e_work/rc.xml"
        config=(--config-file "$e2e_work/rc.xml")
    fi
    openbox "${config[@]}" >"$e2e_work/openbox.log" 2>&1 &
    e2e_pids+=($!)
    e2e_wait "the window manager" 'wmctrl_ready'
}

# The display, and a program folder holding a portable copy of the program and its
# skins.
e2e_setup() {
    local program=$1 skins=$2
    e2e_start_display
    mkdir -p "$e2e_work/program"
    cp "$program" "$e2e_work/program/zelvo"
    cp -r "$skins" "$e2e_work/program/skin"
    touch "$e2e_work/program/portable"
}

# An XEmbed tray host (trayer) at the top right of the screen.
start_tray_host() {
    trayer --edge top --align right --widthtype pixel --width 120 --height 24 \
        --transparent false >"$e2e_work/trayer.log" 2>&1 &
    e2e_pids+=($!)
    e2e_wait "the tray host" 'xwininfo -root -tree | grep -q '\''"panel"'\'''
}

# Zelvo's icon in the tray host, if it is there.
tray_icon() {
    xwininfo -root -tree | awk '/"panel"/ { inside = 1; next } inside && /"Zelvo"/ { print $1; exit }'
}

click_tray_icon() {
    e2e_wait "the tray icon" '[ -n "$(tray_icon)" ]'
    xdotool mousemove --window "$(tray_icon)" 11 11 click "$1"
    sleep 0.4
}

wmctrl_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Polls a condition (shell text, evaluated afresh each time) until it holds, for up
# to twenty seconds (a loaded machine, a sanitizer build).
# Conditions may end a pipeline with grep -q, which closes it early: pipefail is
# off while they run.
e2e_wait() {
    local what=$1 condition=$2
    local deadline=$((SECONDS + 20))
    set +o pipefail
    while [ "$SECONDS" -lt "$deadline" ]; do
        if eval "$condition"; then
            set -o pipefail
            return 0
        fi
        sleep 0.1
    done
    set -o pipefail
    echo "timed out waiting for $what" >&2
    return 1
}

# Starts Zelvo from its program folder (or the program `zelvo_command` names) and
# finds its bar window.
start_zelvo() {
    (cd "$e2e_work/program" && exec "${zelvo_command:-./zelvo}") >"$e2e_work/zelvo.log" 2>&1 &
    zelvo_pid=$!
    e2e_pids+=("$zelvo_pid")
    e2e_wait "the bar" 'find_bar'
    sleep 0.5  # let the window manager take the new window in before it is clicked
}

# The tray icon is a window titled "Zelvo" too, but no wider than the tray host is high.
find_bar() {
    local window
    bar_window=
    for window in $(xdotool search --onlyvisible --pid "$zelvo_pid" --name '^Zelvo$' 2>/dev/null); do
        if [ "$(xwininfo -id "$window" | awk '/Width:/ { print $NF }')" -gt 24 ]; then
            bar_window=$window
            break
        fi
    done
    [ -n "$bar_window" ] || return 1
    read -r bar_x bar_y < <(window_origin "$bar_window")
}

# The bar among all of the program's windows, mapped or not: the widest titled
# "Zelvo".
find_bar_window() {
    local window
    bar_window=$(for window in $(xdotool search --pid "$zelvo_pid" --name '^Zelvo$' 2>/dev/null); do
        echo "$(xwininfo -id "$window" | awk '/Width:/ { print $NF }') $window"
    done | sort -n | tail -n 1 | cut -d' ' -f2)
    [ -n "$bar_window" ]
}

# The screen position of a window's client area. (xdotool's own figure adds the
# window manager's frame offset once more.)
window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                             END { print x, y }'
}

# The visible windows titled "Zelvo" other than the bar: message boxes.
message_boxes() {
    xdotool search --onlyvisible --name '^Zelvo$' 2>/dev/null | grep -vx "$bar_window" || true
}

# The settings dialog from the bar's menu (環境設定 is its third entry): sets
# dialog, and dialog_x and dialog_y, its client area's place on the screen.
open_settings_dialog() {
    xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
    sleep 0.4
    xdotool key Down Down Down Return
    e2e_wait "the settings dialog" 'xdotool search --onlyvisible --name "^設定$" >/dev/null'
    dialog=$(xdotool search --onlyvisible --name '^設定$' | head -n 1)
    read -r dialog_x dialog_y < <(window_origin "$dialog")
}

# A window of another program in front, with the focus: sets other.
other_window_in_front() {
    xmessage -geometry +300+300 "another window" &
    e2e_pids+=($!)
    e2e_wait "the other window" 'xdotool search --onlyvisible --name "^xmessage$" >/dev/null'
    other=$(xdotool search --onlyvisible --name '^xmessage$' | head -n 1)
    xdotool mousemove --window "$other" 5 5 click 1
}

# The bar's place and size: "x,y WIDTHxHEIGHT".
bar_geometry() {
    echo "$(window_origin "$bar_window" | tr ' ' ,) $(xwininfo -id "$bar_window" |
        awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w "x" h }')"
}
above() { xprop -id "$bar_window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo yes || echo no; }

# Double-clicks on the title switch the window manager's keep-above state, and neither
# moves nor resizes the bar.
check_keep_above_by_double_click() {
    local before
    check "the bar starts as a normal window" "no" "$(above)"
    before=$(bar_geometry)
    xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click --repeat 2 --delay 80 1
    e2e_wait "keep-above" '[ "$(above)" = yes ]' || true
    check "a double-click keeps the bar above" "yes" "$(above)"
    check "keeping above neither moves nor resizes" "$before" "$(bar_geometry)"
    xdotool click --repeat 2 --delay 80 1
    e2e_wait "normal again" '[ "$(above)" = no ]' || true
    check "a second double-click makes it normal" "no" "$(above)"
}

# The bar's state as the window manager keeps it: Normal, Iconic (minimised) or
# Withdrawn (hidden).
wm_state() {
    xprop -id "$bar_window" WM_STATE 2>/dev/null | awk '/window state/ { print $NF; found = 1 }
                                                       END { if (!found) print "Withdrawn" }'
}

# タスクバーへ格納, the first entry of the bar's menu.
put_away() {
    xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3
    sleep 0.4
    xdotool key Down Return
}

# The program's icon installed into the hicolor theme of a data folder of the test's
# own, as cmake --install puts it, for the desktop to find by name.
install_theme_icons() {
    local icons size
    icons="$(dirname "${BASH_SOURCE[0]}")/../../packaging/icons"
    for size in 16 22 24 32 48 64 128 256; do
        install -D -m 0644 "$icons/zelvo-$size.png" \
            "$e2e_work/share/icons/hicolor/${size}x$size/apps/zelvo.png"
    done
    export XDG_DATA_DIRS="$e2e_work/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
}

# The bar's layout in twips (15 to the pixel): the title and the separators are
# 390 wide and the boxes `box_width` (the factory layout of a first start: 500).
box_width=500
box_left() { echo $((390 + (box_width + 390) * $1)); }
separator_left() { echo $(($(box_left "$1") + box_width)); }

# Clicks into the middle of unit box `index`.
click_box() {
    xdotool mousemove $((bar_x + ($(box_left "$1") + box_width / 2) / 15)) $((bar_y + 18)) click 1
    sleep 0.2
}

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

check() {
    local name=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        e2e_passes=$((e2e_passes + 1))
        echo "ok: $name"
    else
        e2e_failures=$((e2e_failures + 1))
        echo "FAIL: $name: expected '$expected', got '$actual'"
    fi
}

e2e_finish() {
    local report
    for report in "$e2e_work"/sanitizer.*; do
        [ -e "$report" ] || continue
        e2e_failures=$((e2e_failures + 1))
        echo "FAIL: a sanitizer found something:"
        cat "$report"
    done
    echo "$e2e_passes passed, $e2e_failures failed"
    [ "$e2e_failures" -eq 0 ]
}
