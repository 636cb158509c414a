#!/usr/bin/env bash
# The length search as GNOME Shell and KRunner reach it: the tree cmake --install puts
# into a temporary prefix, a private session bus that finds the installed service
# file, and gdbus making the calls the desktops make. The bus starts the provider on
# the first question; the results follow the user's setting.ini; activating a result
# puts its value on the clipboard and says so in a notification; terms that are no
# lengths give nothing; LaunchSearch opens the bar on the term.
#
#   search_provider_test.sh BUILD_FOLDER
source "$(dirname "$0")/../e2e/lib.sh"
build=$(cd "$1" && pwd)
e2e_start_display
prefix="$e2e_work/prefix"
cmake --install "$build" --prefix "$prefix" >"$e2e_work/install.log" 2>&1
export HOME="$e2e_work/home" XDG_CONFIG_HOME="$e2e_work/home/.config"
export XDG_DATA_HOME="$e2e_work/home/.local/share" XDG_DATA_DIRS="$prefix/share:/usr/share"
mkdir -p "$XDG_CONFIG_HOME/zelvo"

check "GNOME Shell's key file names the bus, the path and the desktop entry" \
    "DesktopId=org.zelvo.Zelvo.desktop|BusName=org.zelvo.Zelvo.SearchProvider|ObjectPath=/org/zelvo/Zelvo/SearchProvider|Version=2" \
    "$(grep -v '^\[' "$prefix/share/gnome-shell/search-providers/org.zelvo.Zelvo.search-provider.ini" | paste -sd '|')"
check "the bus starts the installed program" \
    "Exec=$prefix/bin/zelvo --search-provider" \
    "$(grep '^Exec=' "$prefix/share/dbus-1/services/org.zelvo.Zelvo.SearchProvider.service")"
check "KRunner's entry makes it a D-Bus runner at the same place" \
    "X-Plasma-API=DBus|X-Plasma-DBusRunner-Service=org.zelvo.Zelvo.SearchProvider|X-Plasma-DBusRunner-Path=/org/zelvo/Zelvo/SearchProvider" \
    "$(grep '^X-Plasma-\(API\|DBusRunner\)' "$prefix/share/krunner/dbusplugins/org.zelvo.Zelvo.desktop" | paste -sd '|')"

# A session bus of the test's own, started now so that it reads the services of the
# installed tree.
fifo=$(mktemp -u "$e2e_work/bus.XXXXXX")
mkfifo "$fifo"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$fifo" >"$e2e_work/bus.log" 2>&1 &
e2e_pids+=($!)
read -r -t 10 DBUS_SESSION_BUS_ADDRESS <"$fifo"
export DBUS_SESSION_BUS_ADDRESS
dbus-monitor "interface='org.freedesktop.Notifications',member='Notify'" \
    >"$e2e_work/notifications" 2>&1 &
e2e_pids+=($!)

to_provider=(--session --dest org.zelvo.Zelvo.SearchProvider
             --object-path /org/zelvo/Zelvo/SearchProvider)
gnome() { gdbus call "${to_provider[@]}" --method "org.gnome.Shell.SearchProvider2.$1" "${@:2}"; }
krunner() { gdbus call "${to_provider[@]}" --method "org.kde.krunner1.$1" "${@:2}"; }
provider_running() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.zelvo.Zelvo.SearchProvider
}

check "nothing answers before the first question" "(false,)" "$(provider_running)"
check "a length gives the other five units" \
    "(['2:25.4mm', '3:25.4mm', '4:25.4mm', '5:25.4mm', '6:25.4mm'],)" \
    "$(gnome GetInitialResultSet "['25.4mm']")"
check "the bus started the provider for it" "(true,)" "$(provider_running)"
check "the words of '1 inch' are one term" \
    "(['1:1 inch', '2:1 inch', '3:1 inch', '5:1 inch', '6:1 inch'],)" \
    "$(gnome GetInitialResultSet "['1', 'inch']")"
check "a date is no length" "(@as [],)" "$(gnome GetInitialResultSet "['2026-12-09']")"
check "a plain word is none either" "(@as [],)" "$(gnome GetInitialResultSet "['hello']")"
check "a longer term is converted anew" "(['1:12q', '3:12q', '4:12q', '5:12q', '6:12q'],)" \
    "$(gnome GetSubsearchResultSet "['2:1q']" "['12q']")"
metas=$(gnome GetResultMetas "['3:25.4mm', '9:bad']")
check "a result is named by its value and unit, described by the term" \
    "'name': <'72.02 pt'>|'description': <'25.4mm'>" \
    "$(grep -o "'name': <'[^']*'>\|'description': <'[^']*'>" <<<"$metas" | sort -r | paste -sd '|')"
check "an id no search made has no meta" "1" "$(grep -o "'id'" <<<"$metas" | wc -l)"

gnome ActivateResult "3:25.4mm" "['25.4mm']" 0 >/dev/null
e2e_wait "the copied value" '[ "$(clipboard)" = 72.02 ]' || true
check "activating a result copies its value" "72.02" "$(clipboard)"
e2e_wait "the notification" 'grep -q "72.02 をコピーしました" "$e2e_work/notifications"' || true
check "and says so in a notification" "yes" \
    "$(grep -q '25.4mm = 72.02 pt' "$e2e_work/notifications" && echo yes || echo no)"

matches=$(krunner Match "12q")
check "KRunner's Match answers the same, with the program's icon" \
    "('1:12q', '3.00 mm', 'zelvo', 100, 1.0, {'subtext': <'12q'>})" \
    "$(grep -o "('1:12q'[^)]*})" <<<"$matches")"
check "one match for each unit but the typed one" "1:12q 3:12q 4:12q 5:12q 6:12q" \
    "$(grep -o "('[0-9]:12q'" <<<"$matches" | tr -d "('" | paste -sd ' ')"
check "KRunner's Match gives nothing for a version" "(@a(sssida{sv}) [],)" \
    "$(krunner Match "1.2.3")"
check "it offers no actions besides copying" "(@a(sss) [],)" "$(krunner Actions)"
krunner Run "1:12q" "" >/dev/null
e2e_wait "the copied value" '[ "$(clipboard)" = 3.00 ]' || true
check "running a match copies its value" "3.00" "$(clipboard)"

# The user's own decimals and density, read at each search.
printf '/op1\r\nFalse|True|False|0000\r\n/UPDOWN\r\n3\r\n' >"$XDG_CONFIG_HOME/zelvo/setting.ini"
check "results follow the stored decimals and density" \
    "(['1:72px', '2:72px', '3:72px', '4:72px', '6:72px'],)" \
    "$(gnome GetInitialResultSet "['72px']")"
check "at 72 ppi and three decimals" "'name': <'25.400 mm'>" \
    "$(gnome GetResultMetas "['1:72px']" | grep -o "'name': <'[^']*'>")"
check "the settings are only read" \
    "$(printf '/op1\r\nFalse|True|False|0000\r\n/UPDOWN\r\n3\r\n' | md5sum)" \
    "$(md5sum <"$XDG_CONFIG_HOME/zelvo/setting.ini")"

gnome LaunchSearch "['25.4mm']" 0 >/dev/null
e2e_wait "the program" 'zelvo_pid=$(pgrep -n -f "^$prefix/bin/zelvo --enter")' || true
e2e_wait "the bar" 'find_bar' || true
e2e_wait "the bar focused" '[ "$(xdotool getwindowfocus)" = "$bar_window" ]' || true
xdotool key Tab ctrl+a ctrl+c  # from the expression box to the mm box
e2e_wait "the mm box copied" '[ "$(clipboard)" = 25.400 ]' || true
check "LaunchSearch opens the bar with the term converted" "25.400" "$(clipboard)"
"$prefix/bin/zelvo" --quit
e2e_finish
