#!/usr/bin/env bash
# The bar as a screen reader finds it through AT-SPI (Qt's bridge, on a private
# session bus with its own accessibility bus), used from the keyboard alone: the
# window and every box named, the unit captions named as their boxes, a conversion
# read out once on the focused box, and the menu key opening the bar's own menu.
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
e2e_wait "the results read out" 'grep -q "accessible-description|mm|mm 25.40" "$e2e_work/events"' ||
    true
check "after Enter the focused box reads out all six results, its own first" \
    "text|mm|mm 25.40、Q 101.60、ポイント / pt 72.02、インチ / inch 1.00、ピクセル / px 96.00、トゥイップ / twip 1440.18" \
    "$("$atspi" focused)"
check "announced once" "1" "$(grep -c 'accessible-description' "$e2e_work/events")"
xdotool type --delay 30 "3"
sleep 0.3  # typing changes no other box: nothing more to hear
check "typing into the box announces nothing more" "1" \
    "$(grep -c 'accessible-description' "$e2e_work/events")"

menus() { grep -c '^menu|' "$e2e_work/events" || true; }
xdotool key Menu Down
e2e_wait "the bar's menu" '[ "$(menus)" -ge 1 ]' || true
check "the menu key opens the bar's own menu" "menu|タスクバーへ格納|幅を操作|環境設定|終了" \
    "$(grep -m 1 '^menu|' "$e2e_work/events")"
xdotool key Escape
e2e_wait "the menu closed and the focus back" '[ "$("$atspi" focused | cut -d"|" -f2)" = mm ]' ||
    true
xdotool key shift+F10 Down
e2e_wait "the bar's menu" '[ "$(menus)" -ge 2 ]' || true
check "as does Shift+F10" "2" "$(menus)"
xdotool key Escape
e2e_wait "the focus back" '[ "$("$atspi" focused | cut -d"|" -f2)" = mm ]' || true
check "and Escape brings the focus back to the box" "mm" "$("$atspi" focused | cut -d'|' -f2)"

e2e_finish
