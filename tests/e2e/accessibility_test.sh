#!/usr/bin/env bash
# The bar as a screen reader finds it through AT-SPI (Qt's bridge, on a private
# session bus with its own accessibility bus), used from the keyboard alone: the
# window and every box named, the unit captions named as their boxes, a conversion
# read out once as a notification, the menu key opening the bar's own menu, and the
# settings reached and changed from there: every control named, the options radio
# buttons, a hot key set and the decimals stepped from the keyboard, Escape closing.
# Run inside a private session bus:
#   dbus-run-session -- accessibility_test.sh ZELVO SKIN_FOLDER ATSPI_TOOL
source "$(dirname "$0")/lib.sh"
atspi=$3
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: python3-pyatspi is not installed (scripts/install-deps.sh)"
    exit 77
fi
e2e_setup "$1" "$2"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_zelvo
# The first question starts the accessibility registry; Zelvo joins it then.
e2e_wait "Zelvo on the accessibility bus" '"$atspi" tree >/dev/null 2>&1'

focused_window_name() { xdotool getwindowfocus getwindowname 2>/dev/null || true; }
tree=$("$atspi" tree)
check "the bar is a window named as the program" "frame|Zelvo" "$(head -n 1 <<<"$tree")"
check "every box is named by its unit, in the bar's order" \
    "計算式 / expression|mm|Q|ポイント / pt|インチ / inch|ピクセル / px|トゥイップ / twip" \
    "$(sed -n 's/^ *text|//p' <<<"$tree" | paste -sd '|')"
check "the unit captions carry the names of their boxes" \
    "$(sed -n 's/^ *text|//p' <<<"$tree" | sort | paste -sd '|')" \
    "$(sed -n 's/^ *image|\(.\+\)$/\1/p' <<<"$tree" | grep -vx Zelvo | sort | paste -sd '|')"

"$atspi" watch "$e2e_work/events" &
e2e_pids+=($!)
e2e_wait "the event watcher" '[ -e "$e2e_work/events" ]'
xdotool key Tab  # from the expression box to mm
e2e_wait "the mm box focused" '[ "$("$atspi" focused | cut -d"|" -f2)" = mm ]' || true
xdotool type --delay 30 "25.4"
xdotool key Return
xdotool key ctrl+a ctrl+c
e2e_wait "the clipboard" '[ -n "$(clipboard)" ]' || true
check "the result is copied from the keyboard" "25.40" "$(clipboard)"
e2e_wait "the results read out" 'grep -q "^notification|" "$e2e_work/events"' || true
check "after Enter a notification reads out all six results, the focused box's first" \
    "notification|mm 25.40、Q 101.60、ポイント / pt 72.02、インチ / inch 1.00、ピクセル / px 96.00、トゥイップ / twip 1440.18" \
    "$(grep -m 1 '^notification|' "$e2e_work/events")"
xdotool type --delay 30 "3"
e2e_wait "the typed digit" '"$atspi" texts | grep -qx "mm|3"' || true
check "typing into the box announces nothing more" "1" \
    "$(grep -c '^notification|' "$e2e_work/events")"

menus() { grep -c '^menu|' "$e2e_work/events" || true; }
xdotool key Menu
e2e_wait "the bar's menu" '[ "$(menus)" -ge 1 ]' || true
check "the menu key opens the bar's own menu, its first entry chosen" "menu|タスクバーへ格納|幅を操作|環境設定|終了" \
    "$(grep -m 1 '^menu|' "$e2e_work/events")"
xdotool key Escape
e2e_wait "the menu closed and the focus back" '[ "$("$atspi" focused | cut -d"|" -f2)" = mm ]' ||
    true
opened=$(menus)
xdotool key shift+F10
e2e_wait "the bar's menu" '[ "$(menus)" -gt "$opened" ]' || true
check "as does Shift+F10" "yes" "$([ "$(menus)" -gt "$opened" ] && echo yes || echo no)"
xdotool key Escape
e2e_wait "the focus back" '[ "$("$atspi" focused | cut -d"|" -f2)" = mm ]' || true
check "and Escape brings the focus back to the box" "mm" "$("$atspi" focused | cut -d'|' -f2)"

xdotool key ctrl+a
xdotool type --delay 30 "25.4"
xdotool key Return
# The settings from the bar's menu: 環境設定 is the second entry from the end.
xdotool key Menu Up Up Return
e2e_wait "the settings dialog" '[ "$(focused_window_name)" = 設定 ]' || true
tree=$("$atspi" tree)
dialog_tree=$(sed -n '/^dialog|設定$/,$p' <<<"$tree")
check "the density options are radio buttons" "3" "$(grep -c '^ *radio button|' <<<"$dialog_tree")"
# (Qt's bridge names a combo box by its text: the skin list reads as the skin chosen,
# in its group "skin選択".)
check "the density box, the decimals and the hot-key box are named" \
    "text|ピクセル密度 (ppi) spin button|換算結果の小数点以下の桁数 text|ホットキー combo box|skin_default" \
    "$(grep -E '^ *(text|spin button|combo box)\|' <<<"$dialog_tree" | sed 's/^ *//' | paste -sd ' ')"

# Tab to a control by its name; fails after a round with no such control.
tab_to() {
    local step
    for step in $(seq 20); do
        [ "$("$atspi" focused | cut -d'|' -f2)" = "$1" ] && return 0
        xdotool key Tab
        sleep 0.1
    done
    echo "no control named $1 in the tab order" >&2
    return 1
}
tab_to ホットキー || true
xdotool key Escape  # leaves the box alone, and closes the dialog as everywhere
e2e_wait "the dialog closed" '[ "$(focused_window_name)" != 設定 ]' || true
check "Escape in the hot-key box is no hot key: it closes the dialog" "" \
    "$(xdotool search --onlyvisible --name '^設定$' 2>/dev/null)"
xdotool key Menu Up Up Return
e2e_wait "the settings dialog" '[ "$(focused_window_name)" = 設定 ]' || true
tab_to ホットキー || true
xdotool key ctrl+alt+k Tab  # the key, then on to 変更
check "Tab leaves the hot-key box for 変更" "push button|変更" \
    "$("$atspi" focused | cut -d'|' -f1-2)"
xdotool key space
tab_to 換算結果の小数点以下の桁数 || true
xdotool key Up
e2e_wait "the results re-rounded" '"$atspi" texts | grep -qx "mm|25.400"' || true
check "Up on the decimals gives three, and the bar shows them" "mm|25.400" \
    "$("$atspi" texts | grep '^mm|')"
xdotool key Escape
e2e_wait "the dialog closed" '[ -z "$(xdotool search --onlyvisible --name "^設定$" 2>/dev/null)" ]' ||
    true
check "Escape closes the settings" "" "$(xdotool search --onlyvisible --name '^設定$' 2>/dev/null)"
"$e2e_work/program/zelvo" --quit
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "the hot key set from the keyboard is kept" "K" \
    "$(sed -n '/^\/HotKey(sChar)\r$/{n;s/\r$//;p}' "$e2e_work/program/setting.ini")"

e2e_finish
