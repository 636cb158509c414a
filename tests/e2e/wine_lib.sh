# Shared steps of the end-to-end tests of the Windows program under Wine: the steps of
# lib.sh, with the Wine prefix of the run (WINEPREFIX) brought onto the test's own
# display. Wine's desktop process, which also carries the clipboard, belongs to the
# display it was started on: the prefix's processes are ended first, and again at the
# end, before the display goes.
# Source it, then call wine_setup PROGRAM_FOLDER.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

wine_cleanup() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    e2e_cleanup
}

# The path of the Linux build's helper program `name`, beside its program
# `linux_zelvo`; fails, saying so, when the release preset has not built it.
linux_build_tool() {
    local tool
    tool="$(dirname "$1")/tests/e2e/tools/$2"
    if [ ! -x "$tool" ]; then
        echo "no $2 at $tool: build the release preset first" >&2
        return 1
    fi
    echo "$tool"
}

# The display and window manager, and a program folder holding a portable copy of the
# Windows program with its skins.
wine_setup() {
    local folder=$1
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    e2e_start_display
    trap wine_cleanup EXIT
    mkdir -p "$e2e_work/program"
    cp "$folder/zelvo.exe" "$folder/portable" "$e2e_work/program/"
    cp -r "$folder/skin" "$e2e_work/program/skin"
}

# The widest window titled "Zelvo" that is shown: the bar.
find_wine_bar() {
    local window width
    bar_window=
    for window in $(xdotool search --onlyvisible --name '^Zelvo$' 2>/dev/null); do
        width=$(xwininfo -id "$window" | awk '/Width:/ { print $NF }')
        if [ "$width" -gt 100 ]; then
            bar_window=$window
        fi
    done
    [ -n "$bar_window" ] || return 1
    read -r bar_x bar_y < <(window_origin "$bar_window")
}

# Starts the Windows program from its folder with `arguments` and finds its bar.
start_windows_zelvo() {
    (cd "$e2e_work/program" && exec "$wine" ./zelvo.exe "$@") >>"$e2e_work/zelvo.log" 2>&1 &
    zelvo_pid=$!
    e2e_pids+=("$zelvo_pid")
    e2e_wait "the bar" 'find_wine_bar'
    sleep 0.5  # let the window manager take the new window in before it is clicked
}

# Ends the running Windows program with --quit and waits until it is gone.
quit_windows_zelvo() {
    (cd "$e2e_work/program" && "$wine" ./zelvo.exe --quit) >>"$e2e_work/zelvo.log" 2>&1
    e2e_wait "Zelvo to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
}
