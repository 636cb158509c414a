#!/usr/bin/env bash
# What the Orca screen reader says while the bar is used from the keyboard alone:
# each box by its name as the focus reaches it, the six results once after Enter,
# the bar's menu from the menu key, and the settings' controls by their names.
# Orca runs without a speech server and writes what it would speak to its debug
# output ("SPEECH OUTPUT: '…'"), which is what a user would hear. The output goes to
# a terminal (script's), where Orca writes each line at once.
# Run inside a private session bus:
#   dbus-run-session -- orca_test.sh ZELVO SKIN_FOLDER
source "$(dirname "$0")/lib.sh"
if ! command -v orca >/dev/null || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: orca or python3-pyatspi is not installed (scripts/install-deps.sh)"
    exit 77
fi
e2e_setup "$1" "$2"
# Orca's settings and Zelvo's stay in the test's own home; Orca finds no speech
# server at an address where none is, and no braille display.
export HOME="$e2e_work/home" XDG_CONFIG_HOME="$e2e_work/home/.config"
export XDG_DATA_HOME="$e2e_work/home/.local/share" SPEECHD_ADDRESS="unix_socket:$e2e_work/none"
mkdir -p "$HOME"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_zelvo
e2e_wait "the bar focused" '[ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = Zelvo ]' ||
    true
spoken="$e2e_work/orca.log"
script -qfec "orca --replace --disable braille --disable main-window --debug-file /dev/tty" \
    "$spoken" >/dev/null 2>&1 </dev/null &
e2e_pids+=($!)
said() { { tr -d '\r' <"$spoken"; } 2>/dev/null | sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'[[{].*$/\1/p"; }
e2e_wait "Orca on the bar" 'said | grep -qx ".* text\."' || true
check "Orca says the focused box's name on coming to the bar" "計算式 / expression text." \
    "$(said | grep -m 1 -x '.* text\.')"

xdotool key Tab
e2e_wait "the mm box" 'said | grep -qx "mm text."' || true
check "Tab to the next box: its unit is said" "mm text." "$(said | grep -x 'mm text\.')"
xdotool type --delay 60 "25.4"
xdotool key Return
e2e_wait "the results" 'said | grep -q "^notification "' || true
check "after Enter all six results are said, the focused box's first" \
    "notification mm 25.40、Q 101.60、ポイント / pt 72.02、インチ / inch 1.00、ピクセル / px 96.00、トゥイップ / twip 1440.18." \
    "$(said | grep '^notification ')"
xdotool type --delay 60 "3"

xdotool key Menu
e2e_wait "the bar's menu" 'said | grep -qx "タスクバーへ格納."' || true
check "the menu key opens the bar's menu, its first entry said" "タスクバーへ格納." \
    "$(said | grep -x 'タスクバーへ格納\.')"
check "typing before it said nothing of the results again" "1" \
    "$(said | grep -c '^notification ')"
xdotool key Up Up
e2e_wait "環境設定 said" 'said | grep -qx "環境設定."' || true
check "the settings entry is said" "環境設定." "$(said | grep -x '環境設定\.')"
xdotool key Return
e2e_wait "the settings said" 'said | grep -q "^設定 dialog"' || true
check "the settings are said to be a dialog" "設定 dialog" "$(said | grep -o -m 1 '^設定 dialog')"
for step in $(seq 20); do
    said | grep -q "^ホットキー " && break
    xdotool key Tab
    sleep 0.1
done
check "Tab reaches the hot-key box, said by its name" "ホットキー" \
    "$(said | grep -o -m 1 '^ホットキー')"
check "the density options are said as radio buttons" "radio button" \
    "$(said | grep -o 'radio button' | sort -u)"
check "the decimals are said as a spin button with their name" \
    "換算結果の小数点以下の桁数 spin button." "$(said | grep 'spin button' | sort -u)"
xdotool key Escape
e2e_wait "the settings closed" '[ -z "$(xdotool search --onlyvisible --name "^設定$" 2>/dev/null)" ]' ||
    true
check "Escape closes the settings" "" "$(xdotool search --onlyvisible --name '^設定$' 2>/dev/null)"
e2e_finish
