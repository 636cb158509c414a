# Shared steps of the end-to-end tests that work the Windows program's windows under
# Wine, on top of wine_lib.sh: the unit boxes read through the clipboard, the bar's
# menu and the settings dialog, the tray icon, and what message boxes and menus show.
# Source it, then call wine_setup PROGRAM_FOLDER, and wine_finish at the end.
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"

# A message box's text and a menu's captions live in Wine's own windows, which X does
# not show as text. Wine traces both as it shows them - the text a message box gets
# and every menu item it draws - into the program's log, where they are read.
export WINEDEBUG=-all,trace+msgbox,trace+menu

# The number of lines in the program's log: the traces after it are newer.
log_mark() { wc -l <"$e2e_work/zelvo.log"; }

# The text of Wine's trace of a text, L"...", which writes every character outside
# printable ASCII as a backslash and four hexadecimal digits.
traced_text() {
    local text
    text=$(sed -n 's/.*L"\(.*\)".*/\1/p' <<<"$1")
    printf '%b' "$(sed 's/\\\([0-9a-f]\{4\}\)/\\u\1/g' <<<"$text")"
}

# The text of the last message box shown since log mark `mark`.
message_text() {
    traced_text "$(tail -n +"$(($1 + 1))" "$e2e_work/zelvo.log" | grep -a ':trace:msgbox:' |
        tail -n 1)"
}

# The captions of the first menu drawn in full since log mark `mark`, top to bottom,
# joined by "|", with "-" for a separator; empty until the menu is drawn.
menu_captions() {
    local line captions=() drawn=no
    while IFS= read -r line; do
        case $line in
            end) drawn=yes ;;
            *fType=sep*) captions+=("-") ;;
            *) captions+=("$(traced_text "$line")") ;;
        esac
    done < <(tail -n +"$(($1 + 1))" "$e2e_work/zelvo.log" | awk '
        /:trace:menu:draw_popup_menu hmenu/ { drawing = 1; next }
        drawing && /:trace:menu:draw_menu_item \{/ { print; next }
        drawing && !/:trace:menu:draw_menu_item rect=/ { print "end"; exit }')
    if [ "$drawn" = yes ]; then
        (IFS='|' && echo "${captions[*]}")
    fi
}

# Opens a menu with `click` (shell text) and waits until it is drawn; its captions
# are then in `menu_shown`. A click that lands while the window manager is still
# taking a window in is lost, so it is made again, up to three times.
open_menu() {
    local mark
    for _ in 1 2 3; do
        mark=$(log_mark)
        eval "$1"
        local deadline=$((SECONDS + 5))
        while [ "$SECONDS" -lt "$deadline" ]; do
            menu_shown=$(menu_captions "$mark")
            [ -n "$menu_shown" ] && return 0
            sleep 0.1
        done
    done
    echo "timed out waiting for the menu" >&2
    return 1
}

open_bar_menu() {
    open_menu 'xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) click 3'
}

# Chooses an entry of the open menu with `keys` and waits until the menu is gone.
choose() {
    local mark
    mark=$(log_mark)
    xdotool key "$@"
    e2e_wait "the menu to close" \
        'tail -n +"$((mark + 1))" "$e2e_work/zelvo.log" | grep -aq ":trace:menu:exit_tracking"'
}

# The settings dialog, opened by 環境設定 of the bar's menu; the corner of its client
# area is at dialog_x, dialog_y.
open_settings_dialog() {
    open_bar_menu
    choose Down Down Down Return
    e2e_wait "the settings dialog" 'xdotool search --onlyvisible --name "^設定$" >/dev/null'
    dialog=$(xdotool search --onlyvisible --name '^設定$' | head -n 1)
    read -r dialog_x dialog_y < <(window_origin "$dialog")
}

# Clicks a point of the settings dialog given in twips of its client area.
click_dialog() {
    xdotool mousemove $((dialog_x + $1 / 15)) $((dialog_y + $2 / 15)) click 1
    sleep 0.3
}

bar_is_active() {
    [ "$(printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }')")" = "$bar_window" ]
}

# Clicks into unit box `index`, waits until the bar has the keyboard and selects the
# box's text with Ctrl+A (a click into the box that has the focus already selects
# nothing).
focus_box() {
    click_box "$1"
    e2e_wait "the bar active" 'bar_is_active' || true
    xdotool key ctrl+a
}

# The text of the box under pixel `x` of the bar, copied to the clipboard, which may
# take a moment to reach X: Ctrl+A and Ctrl+C are pressed until the copy arrives.
text_at() {
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    xdotool mousemove $((bar_x + $1)) $((bar_y + 18)) click 1
    e2e_wait "the bar active" 'bar_is_active' || true
    e2e_wait "the box at $1 on the clipboard" \
        'xdotool key ctrl+a ctrl+c; [ -n "$(clipboard)" ]' || true
    clipboard
}

# The text of unit box `index`.
box_text() { text_at $((($(box_left "$1") + box_width / 2) / 15)); }

# The six unit boxes' texts, mm to twip.
results() {
    local index texts=()
    for index in 1 2 3 4 5 6; do
        texts+=("$(box_text "$index")")
    done
    echo "${texts[*]}"
}

# Types `text` into unit box `index` and presses Enter.
convert() {
    focus_box "$1"
    xdotool type --delay 40 -- "$2"
    xdotool key Return
    sleep 0.3
}

# Zelvo's icon in the tray host: Wine shows a tray icon as a window of its desktop
# process, explorer.exe, embedded in the host.
wine_tray_icon() {
    xwininfo -root -tree | awk '
        /"panel"/ { depth = match($0, /[^ ]/); inside = 1; next }
        inside && match($0, /[^ ]/) <= depth { exit }
        inside && /"explorer.exe"/ { print $1; exit }'
}

bar_shown() { xwininfo -id "$bar_window" | grep -q IsViewable && echo shown || echo hidden; }

# Ends the test as e2e_finish does, failing it too when Wine caught a program of the
# run crashing.
wine_finish() {
    check "no program crashed" "" "$(grep -a 'Unhandled' "$e2e_work/zelvo.log" || true)"
    e2e_finish
}
