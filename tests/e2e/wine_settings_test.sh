#!/usr/bin/env bash
# The settings dialog and the About box of the Windows program under Wine: the hot key's
# three outcomes (taken by another program, which gets the notice; free, which works;
# none), a skin previewed, applied to the bar and kept over a restart, and the About box
# with its system-information button, when Windows' tool is missing and when it is there.
# Usage: wine_settings_test.sh PROGRAM_FOLDER LINUX_ZELVO
# (the Linux build's screen_colour, beside its program, reads the bar's pixels)
source "$(dirname "$0")/wine_ui_lib.sh"
screen_colour=$(linux_build_tool "$2" screen_colour) || exit 1
holder="$1/tests/hot_key_holder.exe"
wine_setup "$1"
start_tray_host
# Windows' system-information tool, which Wine does not have: registered only for a while.
msinfo_key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
"$wine" reg delete "$msinfo_key" /f >/dev/null 2>&1 || true
start_windows_zelvo

# The colour of the title picture, and of the picture of the first separator.
title_colour() { "$screen_colour" $((bar_x + 13)) $((bar_y + 4)); }
separator_colour() { "$screen_colour" $((bar_x + $(separator_left 1) / 15 + 13)) $((bar_y + 4)); }

# The text of the notice the next `action` (shell text) brings up, once it is shown;
# Enter closes it. Empty when none is shown within two seconds.
notice_after() {
    local mark deadline
    mark=$(log_mark)
    eval "$1"
    deadline=$((SECONDS + 2))
    until [ -n "$(message_boxes)" ]; do
        [ "$SECONDS" -lt "$deadline" ] || return 0
        sleep 0.1
    done
    message_text "$mark"
    xdotool key Return
    e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
}
# Clicks into the capture box and presses `keys`. The first click may be taken by the
# dialog's activation, which gives the focus back to the control that had it last: the
# box is clicked again once the dialog is active.
set_hot_key() {
    click_dialog $((120 + 120 + 700)) $((1320 + 360 + 127))
    e2e_wait "the settings dialog active" 'is_active "$dialog"' || true
    click_dialog $((120 + 120 + 700)) $((1320 + 360 + 127))
    xdotool key "$1"
}
is_active() {
    [ "$(printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }')")" = "$1" ]
}
click_change() { click_dialog $((120 + 1800 + 307)) $((1320 + 360 + 127)); }

# Taken: Ctrl+Alt+K is in the capture box when another program takes it; then 変更.
# (A key held elsewhere never reaches the capture box: Windows hands it to its holder.)
open_settings_dialog
set_hot_key ctrl+alt+k
(cd "$e2e_work" && exec "$wine" "$holder" 3 0x4B) >"$e2e_work/holder.out" 2>&1 &
holder_pid=$!
e2e_pids+=("$holder_pid")
e2e_wait "the other program to hold the key" 'grep -q held "$e2e_work/holder.out"'
check "a key another program holds gets the notice" \
    $'ホットキーを登録できませんでした。\r\n他のソフトが同じキーを使用している可能性があります。' \
    "$(notice_after click_change)"

# Free: once the other program is gone, 変更 takes the key without a word, and the key
# works: pressed twice behind the dialog it brings the bar forward, then hides it.
kill "$holder_pid"
e2e_wait "the other program to end" '! kill -0 "$holder_pid" 2>/dev/null'
check "a free key is taken without a notice" "" "$(notice_after click_change)"
xdotool key ctrl+alt+k
sleep 0.3
xdotool key ctrl+alt+k
e2e_wait "the bar hidden" '[ "$(bar_shown)" = hidden ]' || true
check "the key taken works" "hidden" "$(bar_shown)"
xdotool key ctrl+alt+k
e2e_wait "the bar shown" '[ "$(bar_shown)" = shown ]' || true
check "and calls the bar back" "shown" "$(bar_shown)"

# None: a cleared capture box sets no key, says nothing, and Ctrl+Alt+K is let go.
open_settings_dialog
set_hot_key Delete
check "no key is set without a notice" "" "$(notice_after click_change)"
xdotool key ctrl+alt+k
sleep 0.3
xdotool key ctrl+alt+k
sleep 0.5
check "the old key is let go: twice pressed, it hides nothing" "shown" "$(bar_shown)"

# Skins: the list holds the shipped skins in name order; 確　認 previews the chosen one
# and leaves the bar alone, バーに適用 puts it on the bar.
default_title=$(title_colour)
default_separator=$(separator_colour)
click_dialog $((120 + 120 + 1000)) $((2520 + 840 + 150))  # the skin list
xdotool key Up Return
sleep 0.3
click_dialog $((120 + 4200 + 400)) $((2520 + 840 + 127))  # 確　認
check "確　認 leaves the bar's skin" "$default_title" "$(title_colour)"
click_dialog $((120 + 120 + 2400)) $((2520 + 1200 + 127))  # バーに適用
e2e_wait "the dark skin" '[ "$(title_colour)" != "$default_title" ]' || true
dark_title=$(title_colour)
dark_separator=$(separator_colour)
check "バーに適用 changes the title picture" "yes" \
    "$([ "$dark_title" != "$default_title" ] && echo yes || echo no)"
check "and the separators" "yes" \
    "$([ "$dark_separator" != "$default_separator" ] && echo yes || echo no)"
xdotool key Escape

quit_windows_zelvo
settings=$(iconv -f CP932 -t UTF-8 "$e2e_work/program/setting.ini" | tr -d '\r\0' | paste -sd '~')
check "the skin is written" "yes" \
    "$(grep -q '/SkinPath~skin_dark~' <<<"$settings" && echo yes || echo no)"
check "no hot key is written" "yes" \
    "$(grep -q '/HotKey(bShift)~False~/HotKey(bCtrl)~False~/HotKey(bAlt)~False~' <<<"$settings" &&
        echo yes || echo no)"
start_windows_zelvo
e2e_wait "the dark skin again" '[ "$(title_colour)" = "$dark_title" ]' || true
check "the next start shows the skin applied" "$dark_title $dark_separator" \
    "$(title_colour) $(separator_colour)"

# The About box, from the tray menu: titled Zelvo, in front of the bar.
about_box() {
    xdotool search --onlyvisible --name '^Zelvo$' 2>/dev/null |
        while read -r window; do
            [ "$window" = "$bar_window" ] ||
                [ "$(xwininfo -id "$window" | awk '/Height:/ { print $NF }')" -lt 100 ] ||
                echo "$window"
        done | head -n 1
}
message_boxes() {
    local about
    about=$(about_box)
    xdotool search --onlyvisible --name '^Zelvo$' 2>/dev/null | grep -vx "$bar_window" |
        grep -vx "${about:-none}" || true
}
focus_box 2
open_menu 'xdotool mousemove --window "$(wine_tray_icon)" 10 10 click 3'
choose Down Down Down Down Down Return
e2e_wait "the About box" '[ -n "$(about_box)" ]' || true
about=$(about_box)
check "バージョン情報 opens the About box" "yes" "$([ -n "$about" ] && echo yes || echo no)"

# Clicks the point `x`, `y` of the About box in dialog units: it is laid out in them,
# 250 by 133.
click_about() {
    local width height
    read -r about_x about_y < <(window_origin "$about")
    eval "$(xwininfo -id "$about" | awk '/Width:/ { print "width=" $NF } /Height:/ { print "height=" $NF }')"
    xdotool mousemove $((about_x + $1 * width / 250)) $((about_y + $2 * height / 133)) click 1
}
click_system_information() { click_about $((174 + 33)) $((105 + 8)); }

# Without Windows' system-information tool: the notice, and the About box stays.
check "ｼｽﾃﾑ情報 without the tool" "現時点ではｼｽﾃﾑ情報を使用できません" \
    "$(notice_after click_system_information)"
check "the About box stays open" "$about" "$(about_box)"

# With the tool registered where Windows keeps its path, ｼｽﾃﾑ情報 starts it.
"$wine" reg add "$msinfo_key" /v PATH /t REG_SZ /d 'C:\windows\notepad.exe' /f >/dev/null 2>&1
click_system_information
e2e_wait "the tool" 'xdotool search --onlyvisible --class "^notepad\.exe$" >/dev/null' || true
check "ｼｽﾃﾑ情報 starts the registered tool" "yes" \
    "$(xdotool search --onlyvisible --class '^notepad\.exe$' >/dev/null && echo yes || echo no)"
check "with no notice" "" "$(message_boxes)"
"$wine" reg delete "$msinfo_key" /f >/dev/null 2>&1

# Its OK button closes it.
tool=$(xdotool search --onlyvisible --class '^notepad\.exe$' | head -n 1)
[ -z "$tool" ] || kill "$(xdotool getwindowpid "$tool")"
click_about $((174 + 33)) $((82 + 8))
e2e_wait "the About box to close" '[ -z "$(about_box)" ]' || true
check "OK closes the About box" "" "$(about_box)"

quit_windows_zelvo
wine_finish
