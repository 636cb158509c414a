#!/usr/bin/env bash
# GNOME Shell itself, as Debian 12 ships it (43): headless on Wayland, with the
# XWayland it starts, on a private session bus and a private system bus. The bar maps
# through XWayland, also when QT_QPA_PLATFORM asks for Wayland. GNOME 43 has no
# global-shortcuts portal: the hot key is a custom shortcut running zelvo --toggle,
# bound as the README says (here through gsettings) and pressed through the shell's
# remote-desktop keyboard. GNOME as it comes has neither tray nor task bar, so a bar
# put away stays shown and the user is told so; with the AppIndicator extension it
# hides into the extension's tray, and comes back when the extension is turned off.
# Run inside a private session bus:
#   dbus-run-session -- gnome_shell_test.sh ZELVO SKINS KEYBOARD_TOOL SNI_TOOL
source "$(dirname "$0")/lib.sh"
keyboard=$3
sni=$4
if ! command -v gnome-shell >/dev/null || [ ! -x /usr/libexec/gsd-media-keys ]; then
    echo "SKIP: gnome-shell is not installed (GNOME's packages: scripts/install-deps.sh)"
    exit 77
fi
e2e_work=$(mktemp -d)
# The desktop's document portal, which the bus may start, mounts a folder in the
# runtime folder: it is let go before the work folder goes.
trap 'fusermount3 -u -z "$e2e_work/runtime/doc" 2>/dev/null || true; e2e_cleanup' EXIT
export XDG_RUNTIME_DIR="$e2e_work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# The desktop's settings (dconf) of the test's own, with no extension turned on.
export XDG_CONFIG_HOME="$e2e_work/config"
dbus-update-activation-environment XDG_CONFIG_HOME XDG_RUNTIME_DIR
gsettings set org.gnome.shell enabled-extensions "[]"
mkdir "$e2e_work/program"
cp "$1" "$e2e_work/program/zelvo"
cp -r "$2" "$e2e_work/program/skin"
touch "$e2e_work/program/portable"
e2e_collect_sanitizer_reports
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# The shell asks the system bus for the session's seat: a private one stands in.
read -r system_bus system_bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
    paste -sd ' ')
e2e_pids+=("$system_bus_pid")
export DBUS_SYSTEM_BUS_ADDRESS=$system_bus

gnome-shell --headless --wayland --virtual-monitor 1280x800 --wayland-display=wayland-zelvo \
    >"$e2e_work/shell.log" 2>&1 &
e2e_pids+=($!)
e2e_wait "GNOME Shell" 'grep -q "GNOME Shell started" "$e2e_work/shell.log"'
# Its XWayland: the X display the shell says it uses, and the key to it.
x_display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$e2e_work/shell.log" | head -n 1)
export WAYLAND_DISPLAY=wayland-zelvo DISPLAY=$x_display XDG_CURRENT_DESKTOP=GNOME
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
export XAUTHORITY

bar_is_shown() { xwininfo -id "$bar_window" | grep -q IsViewable; }

QT_QPA_PLATFORM=wayland start_zelvo
check "the bar maps through GNOME's XWayland, also when Qt is asked for Wayland" "yes" \
    "$([ -n "$bar_window" ] && echo yes || echo no)"
check "saying why once" "1" "$(grep -c 'QT_QPA_PLATFORM asks for Wayland' "$e2e_work/zelvo.log")"

# The custom shortcut Ctrl+Alt+K running zelvo --toggle, kept by GNOME's media-keys
# daemon, which takes a moment to start: pressed until the command runs. The zelvo it
# runs notes each run, then is the program.
mkdir "$e2e_work/bin"
printf '#!/bin/sh\necho "$*" >>"%s/runs"\nexec "%s/program/zelvo" "$@"\n' "$e2e_work" "$e2e_work" \
    >"$e2e_work/bin/zelvo"
chmod +x "$e2e_work/bin/zelvo"
media_keys=org.gnome.settings-daemon.plugins.media-keys
shortcut=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/zelvo/
gsettings set "$media_keys" custom-keybindings "['$shortcut']"
gsettings set "$media_keys.custom-keybinding:$shortcut" name Zelvo
gsettings set "$media_keys.custom-keybinding:$shortcut" command "zelvo --toggle"
gsettings set "$media_keys.custom-keybinding:$shortcut" binding "<Control><Alt>k"
PATH="$e2e_work/bin:$PATH" /usr/libexec/gsd-media-keys >"$e2e_work/media-keys.log" 2>&1 &
e2e_pids+=($!)
e2e_wait "the shortcut" '"$keyboard" ctrl+alt+k; sleep 0.3; [ -s "$e2e_work/runs" ]' || true
check "the custom shortcut runs zelvo --toggle" "--toggle" "$(head -n 1 "$e2e_work/runs" 2>/dev/null)"
e2e_wait "the --toggle run to hand over and end" '[ "$(pgrep -c -x zelvo)" = 1 ]' || true
check "which reaches the running Zelvo rather than start another" "1 yes" \
    "$(pgrep -c -x zelvo) $(bar_is_shown && echo yes || echo no)"

put_away
e2e_wait "the notice" '[ -n "$(message_boxes)" ]' || true
check "タスクバーへ格納 without tray or task bar leaves the bar shown" "yes" \
    "$(bar_is_shown && echo yes || echo no)"
check "and tells the user" "yes" "$([ -n "$(message_boxes)" ] && echo yes || echo no)"

# GNOME with the AppIndicator extension: its watcher is the tray. The bar hides into
# it; the item says it is no mere menu, and the extension's activation (a double
# click: the single one opens the menu) shows the bar; it comes back when the
# extension is turned off (as while the screen is locked).
xdotool key Return  # the notice
e2e_wait "the notice to close" '[ -z "$(message_boxes)" ]' || true
gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com']"
e2e_wait "the extension's watcher" 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true' || true
sleep 0.5  # the item registers with the new watcher
put_away
e2e_wait "the bar hidden" '! bar_is_shown' || true
check "with the AppIndicator extension the bar hides into its tray" "no" \
    "$(bar_is_shown && echo yes || echo no)"
zelvo_item() {
    local service
    for service in $("$sni" items 2>/dev/null); do
        [ "$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$service" 2>/dev/null |
            awk '/uint32/ { print $2 }')" = "$zelvo_pid" ] && echo "$service"
    done
}
e2e_wait "Zelvo's item in the extension" '[ -n "$(zelvo_item)" ]' || true
service=$(zelvo_item | head -n 1)
check "its item is no mere menu, so the extension may activate it" "False" \
    "$("$sni" is-menu "$service" 2>&1)"
"$sni" activate "$service" "zelvo-test-token"
e2e_wait "the bar shown" 'bar_is_shown' || true
check "the extension's activation shows the bar" "yes" "$(bar_is_shown && echo yes || echo no)"
put_away
e2e_wait "the bar hidden" '! bar_is_shown' || true
gsettings set org.gnome.shell enabled-extensions "[]"
e2e_wait "the bar shown" 'bar_is_shown' || true
check "and comes back when the extension is turned off" "yes" "$(bar_is_shown && echo yes || echo no)"

"$e2e_work/program/zelvo" --quit
e2e_wait "the program to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "--quit ends it" "ended" "$(kill -0 "$zelvo_pid" 2>/dev/null && echo running || echo ended)"
e2e_finish
