#!/usr/bin/env bash
# Bad input to the Windows program under Wine: a garbled setting.ini (the sections before
# the bad line kept, the factory layout for the rest, no notice), a skin folder missing
# pictures (those roles keep the pictures they had), and the portable folder unpacked
# where it cannot be written (the settings go to %APPDATA%\Zelvo and nothing is lost).
# Usage: wine_bad_input_test.sh PROGRAM_FOLDER LINUX_ZELVO
# (the Linux build's screen_colour, beside its program, reads the bar's pixels)
#
# Root writes into any folder: the test then runs without the capabilities that let it,
# so that a folder without write permission refuses Wine as it refuses a user.
if [ "$(id -u)" = 0 ] && [ -z "${ZELVO_BOUNDED:-}" ]; then
    ZELVO_BOUNDED=1 exec setpriv --bounding-set=-dac_override,-dac_read_search \
        bash "$0" "$@"
fi
source "$(dirname "$0")/wine_ui_lib.sh"
screen_colour=$(linux_build_tool "$2" screen_colour) || exit 1
wine_setup "$1"
settings="$e2e_work/program/setting.ini"

# The colours of the title picture and of the pictures of separators 1 and 2.
colours() {
    local x
    for x in 13 $(($(separator_left 1) / 15 + 13)) $(($(separator_left 2) / 15 + 13)); do
        "$screen_colour" $((bar_x + x)) $((bar_y + 4))
    done | paste -sd ' '
}
# Replaces the value line of section `key` in setting.ini with `value` (ASCII).
set_value() {
    LC_ALL=C awk -v key="$1" -v value="$2" '
        prev == key "\r" { print value "\r"; prev = ""; next } { print; prev = $0 }' \
        "$settings" >"$e2e_work/setting.tmp"
    mv "$e2e_work/setting.tmp" "$settings"
}
value_of() { LC_ALL=C awk -v key="$1" 'prev == key "\r" { print; exit } { prev = $0 }' "$2" | tr -d '\r'; }
no_notice() { sleep 0.5 && message_boxes; }

# A garbled file: noise before the first section, the decimals, then a window place that
# is no number, and a last section that is never reached.
printf '\x00\x01\xff\xfe\x81\r\n/UPDOWN\r\n3\r\n/form\r\n\x82\xa0x,y,z,w\r\n/check2\r\n1' >"$settings"
start_windows_zelvo
check "a garbled setting.ini brings no notice" "" "$(no_notice)"
eval "$(xdotool getwindowgeometry --shell "$bar_window")"
check "the factory layout, centred vertically" "449x35 382" "${WIDTH}x$HEIGHT $bar_y"
convert 1 "25.4"
check "the decimals read before the bad line are kept" "25.400 101.600" \
    "$(box_text 1) $(box_text 2)"
quit_windows_zelvo
check "the next exit writes a whole file" "14 3" \
    "$(tr -d '\r' <"$settings" | grep -c '^/') $(value_of /UPDOWN "$settings")"

# A skin folder missing pictures: without top_modeless.gif and with an mm.gif that is no
# picture, the title and the mm separator keep the built-in pictures, the rest is the skin.
cp -r "$e2e_work/program/skin/skin_dark" "$e2e_work/program/skin/skin_partial"
rm "$e2e_work/program/skin/skin_partial/top_modeless.gif"
echo "not a picture" >"$e2e_work/program/skin/skin_partial/mm.gif"
set_value /SkinPath skin_dark
start_windows_zelvo
e2e_wait "the skin painted" '[ "$(colours | wc -w)" = 3 ]' || true
read -r dark_title dark_mm dark_q < <(colours)
quit_windows_zelvo
set_value /SkinPath skin_partial
start_windows_zelvo
check "a skin missing pictures brings no notice" "" "$(no_notice)"
read -r title mm q < <(colours)
check "the missing title picture is not the skin's" "yes" \
    "$([ -n "$title" ] && [ "$title" != "$dark_title" ] && echo yes || echo no)"
check "nor the mm picture that is no picture" "yes" \
    "$([ -n "$mm" ] && [ "$mm" != "$dark_mm" ] && echo yes || echo no)"
check "the Q picture is the skin's" "$dark_q" "$q"
quit_windows_zelvo
check "the skin's name is kept" "skin_partial" "$(value_of /SkinPath "$settings")"

# The portable folder where it cannot be written: the settings go to %APPDATA%\Zelvo.
appdata=$("$wine" winepath.exe -u "$("$wine" cmd.exe /c 'echo %APPDATA%' | tr -d '\r')" | tr -d '\r')
if [[ "$appdata" != "$WINEPREFIX"/* ]]; then
    echo "%APPDATA% is not in the Wine prefix: '$appdata'" >&2
    exit 1
fi
user_settings="$appdata/Zelvo/setting.ini"
rm -rf "$appdata/Zelvo"
rm "$settings"
chmod -R a-w "$e2e_work/program"
trap 'chmod -R u+w "$e2e_work/program"; rm -rf "$appdata/Zelvo"; wine_cleanup' EXIT
start_windows_zelvo
open_settings_dialog
click_dialog $((2760 + 2280 + 120)) $((120 + 225 + 60))  # decimals up: 3
xdotool key Escape
quit_windows_zelvo
check "the exit brought no notice" "" "$(message_boxes)"
check "nothing is written into the read-only folder" "no" \
    "$([ -e "$settings" ] && echo yes || echo no)"
check "the settings are in %APPDATA%\\Zelvo" "3" "$(value_of /UPDOWN "$user_settings")"
start_windows_zelvo
convert 4 "1"
check "the next start reads them from there" "25.400" "$(box_text 1)"
quit_windows_zelvo

wine_finish
