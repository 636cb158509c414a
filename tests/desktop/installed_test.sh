#!/usr/bin/env bash
# The installed program as a user meets it: cmake --install into a temporary root,
# then the installed zelvo under Xvfb with a home of its own. It finds the installed
# skins, keeps its settings in ~/.config/zelvo, finds them at the next start, and
# writes nothing into the installed tree; its desktop entry's class and actions fit it.
#
#   installed_test.sh BUILD_FOLDER
source "$(dirname "$0")/../e2e/lib.sh"
build=$(cd "$1" && pwd)
e2e_start_display

root="$e2e_work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$e2e_work/install.log" 2>&1
export HOME="$e2e_work/home" XDG_CONFIG_HOME= XDG_DATA_HOME= XDG_DATA_DIRS="$root/usr/share"
mkdir -p "$HOME" "$e2e_work/program"
zelvo_command="$root/usr/bin/zelvo"
settings="$HOME/.config/zelvo/setting.ini"
tree_before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)

value_of() { iconv -f CP932 -t UTF-8 "$settings" | tr -d '\r' | awk -v key="$1" 'previous == key { print; exit } { previous = $0 }'; }
stop_zelvo() {
    kill -TERM "$zelvo_pid"
    e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
}

check "the installed tree holds no portable marker" "no" \
    "$([ -e "$root/usr/bin/portable" ] && echo yes || echo no)"
start_zelvo
stop_zelvo
check "settings land in ~/.config/zelvo" "yes" "$([ -s "$settings" ] && echo yes || echo no)"
check "the folder is the user's alone" "700" "$(stat -c %a "$HOME/.config/zelvo" 2>/dev/null)"
check "the installed default skin was found and applied" "skin_default" "$(value_of /SkinPath)"

# A place and three decimals, chosen in the real program.
start_zelvo
xdotool mousemove $((bar_x + 10)) $((bar_y + 15)) mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove $((bar_x + 10 + 10 * step)) $((bar_y + 15 - 5 * step))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
find_bar
moved="$bar_x,$bar_y"
open_settings_dialog
xdotool mousemove $((dialog_x + (2760 + 2280 + 120) / 15)) $((dialog_y + (120 + 225 + 60) / 15)) click 1
sleep 0.3
stop_zelvo
check "the changed decimals are written" "3" "$(value_of /UPDOWN)"

start_zelvo
check "the next start finds the bar where it was" "$moved" "$bar_x,$bar_y"
click_box 1
xdotool type --delay 30 "25.4"
xdotool key Return
sleep 0.3
click_box 2
xdotool key ctrl+c
check "and converts with three decimals" "101.600" "$(clipboard)"
stop_zelvo

# The desktop entry as launchers and task managers use it: the bar's class is the
# entry's StartupWMClass, and the entry's actions run the installed program.
desktop="$root/usr/share/applications/org.zelvo.Zelvo.desktop"
action_command() {
    awk -v action="[Desktop Action $1]" '$0 == action { inside = 1; next } /^\[/ { inside = 0 }
                                         inside && sub(/^Exec=/, "") { print }' "$desktop"
}
run_action() {
    local words
    read -ra words <<<"$(action_command "$1")"
    PATH="$root/usr/bin:$PATH" "${words[@]}" >>"$e2e_work/actions.log" 2>&1
}
bar_state() { xwininfo -id "$bar_window" | grep -q IsViewable && echo shown || echo hidden; }
start_zelvo
check "the bar's class is the entry's StartupWMClass" "$(sed -n 's/^StartupWMClass=//p' "$desktop")" \
    "$(xprop -id "$bar_window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')"
click_box 1
run_action toggle
e2e_wait "the bar hidden" '[ "$(bar_state)" = hidden ]' || true
check "the action toggle hides the bar in front" "hidden" "$(bar_state)"
run_action toggle
e2e_wait "the bar shown" '[ "$(bar_state)" = shown ]' || true
check "and shows it again" "shown" "$(bar_state)"
run_action quit
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "the action quit ends Zelvo" "ended" "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"

check "nothing was written into the installed tree" "$tree_before" \
    "$(cd "$root" && find . -printf '%p %s %T@\n' | sort)"
e2e_finish
