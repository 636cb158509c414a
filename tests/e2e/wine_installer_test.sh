#!/usr/bin/env bash
# The installer under Wine, as a user runs it silently: the program folder in
# %LOCALAPPDATA%\Programs\Zelvo without the portable marker, the Start-menu shortcut
# and the Apps & features entry; the installed Zelvo keeps setting.ini in
# %APPDATA%\Zelvo; installing again over a running Zelvo ends it (its settings
# written) and keeps the settings; the uninstaller, run as Apps & features runs it,
# ends a running Zelvo too, removes the program, its shortcut, its login start and
# its entry, and leaves the settings.
# Usage: wine_installer_test.sh PROGRAM_FOLDER LINUX_ZELVO VERSION
# (the installer is PROGRAM_FOLDER/package/zelvo-VERSION-setup.exe)
source "$(dirname "$0")/wine_lib.sh"
version=$3
shipped_skins="$(dirname "$0")/../../skins"
setup="$1/package/zelvo-$version-setup.exe"
if [ ! -f "$setup" ]; then
    echo "no installer at $setup: build the zelvo_setup target first" >&2
    exit 1
fi
# No menu entries on this machine's desktop for the shortcuts Wine sees made.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
wine_setup "$1"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvo'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# The user's folders, as Windows paths and as the Linux paths of the same folders.
mapfile -t user_folders < <("$wine" cmd.exe /c 'echo %APPDATA%& echo %LOCALAPPDATA%' | tr -d '\r')
windows_installed="${user_folders[1]}\\Programs\\Zelvo"
linux_path() { "$wine" winepath.exe -u "$1" | tr -d '\r'; }
appdata=$(linux_path "${user_folders[0]}")
installed=$(linux_path "$windows_installed")
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Zelvo.lnk"
settings="$appdata/Zelvo/setting.ini"
if [[ "$appdata" != "$WINEPREFIX"/* || "$installed" != "$WINEPREFIX"/* ]]; then
    echo "the user's folders are not in the Wine prefix: '$appdata', '$installed'" >&2
    exit 1
fi

# A prefix without Zelvo, at the start and again at the end: the tests share it.
forget_zelvo() {
    rm -rf "$installed" "$appdata/Zelvo" "$shortcut"
    "$wine" reg.exe delete "$uninstall_key" /f >/dev/null 2>&1 || true
    "$wine" reg.exe delete "$run_key" /v Zelvo /f >/dev/null 2>&1 || true
}
forget_zelvo
trap 'forget_zelvo; wine_cleanup' EXIT

# The values of a registry key as "name<TAB>data" lines; nothing when it is missing.
key_values() {
    "$wine" reg.exe query "$1" 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([^ ]*\)    REG_[A-Z_]*    \(.*\)$/\1\t\2/p'
}
value_of() { awk -F '\t' -v name="$2" '$1 == name { print $2 }' <<<"$1"; }
login_start() { value_of "$(key_values "$run_key")" Zelvo; }

# The number of decimals in setting.ini (code page 932: read as bytes).
decimals() { LC_ALL=C awk 'prev == "/UPDOWN\r" { print; exit } { prev = $0 }' "$settings" | tr -d '\r'; }
set_decimals() {
    LC_ALL=C awk -v value="$1" 'prev == "/UPDOWN\r" { print value "\r"; prev = ""; next }
                                { print; prev = $0 }' "$settings" >"$e2e_work/setting.tmp"
    cp "$e2e_work/setting.tmp" "$settings"
}

start_installed_zelvo() {
    (cd "$installed" && exec "$wine" ./zelvo.exe) >>"$e2e_work/zelvo.log" 2>&1 &
    zelvo_pid=$!
    e2e_pids+=("$zelvo_pid")
    e2e_wait "the installed Zelvo's bar" 'find_wine_bar'
}

yes_no() { if "$@"; then echo yes; else echo no; fi; }

# A fresh install.
status=0
"$wine" "$setup" /S >>"$e2e_work/setup.log" 2>&1 || status=$?
check "the silent install succeeds" 0 "$status"
for file in zelvo.exe Uninstall.exe help.chm help/index.html LICENSE.txt README.txt; do
    check "the installed $file" yes "$(yes_no test -s "$installed/$file")"
done
check "the shipped skins are installed" "$(cd "$shipped_skins" && ls -d skin_*)" "$(ls "$installed/skin")"
for skin in "$shipped_skins"/skin_*; do
    check "the installed ${skin##*/} is whole" "" "$(diff -r "$skin" "$installed/skin/${skin##*/}")"
done
check "no portable marker in the installed folder" no "$(yes_no test -e "$installed/portable")"
check "the installed zelvo.exe runs" "Zelvo $version" \
    "$("$wine" "$installed/zelvo.exe" --version | head -n 1 | grep -o -F "Zelvo $version")"
check "the Start-menu shortcut starts the installed zelvo.exe" yes \
    "$(yes_no grep -a -q -F "$windows_installed\\zelvo.exe" "$shortcut")"

entry=$(key_values "$uninstall_key")
check "Apps & features: DisplayName" "Zelvo" "$(value_of "$entry" DisplayName)"
check "Apps & features: DisplayVersion" "$version" "$(value_of "$entry" DisplayVersion)"
check "Apps & features: Publisher" "The Zelvo developers" "$(value_of "$entry" Publisher)"
check "Apps & features: DisplayIcon" "$windows_installed\\zelvo.exe,0" "$(value_of "$entry" DisplayIcon)"
check "Apps & features: UninstallString" "\"$windows_installed\\Uninstall.exe\"" \
    "$(value_of "$entry" UninstallString)"
check "Apps & features: QuietUninstallString" "\"$windows_installed\\Uninstall.exe\" /S" \
    "$(value_of "$entry" QuietUninstallString)"
check "Apps & features: NoModify" "0x1" "$(value_of "$entry" NoModify)"
check "Apps & features: NoRepair" "0x1" "$(value_of "$entry" NoRepair)"
size=$(($(value_of "$entry" EstimatedSize)))
check "Apps & features: EstimatedSize is the folder's size in KiB" yes \
    "$(yes_no test "$size" -ge $(($(du -s -k "$installed" | cut -f 1) / 2)) -a "$size" -gt 0)"
check "no login start unless asked for" "" "$(login_start)"

# The installed Zelvo keeps its settings in %APPDATA%\Zelvo.
start_installed_zelvo
"$wine" "$installed/zelvo.exe" --quit >>"$e2e_work/zelvo.log" 2>&1
e2e_wait "Zelvo to end" '! kill -0 "$zelvo_pid" 2>/dev/null'
check "the installed Zelvo writes %APPDATA%\\Zelvo\\setting.ini" yes "$(yes_no test -s "$settings")"
check "no setting.ini in the installed folder" no "$(yes_no test -e "$installed/setting.ini")"
check "the factory decimals" 2 "$(decimals)"

# An upgrade over the running Zelvo, which also asks for the login start.
set_decimals 5
start_installed_zelvo
written_before=$(stat -c %y "$settings")
status=0
"$wine" "$setup" /S /LOGINSTART >>"$e2e_work/setup.log" 2>&1 || status=$?
check "the install over a running Zelvo succeeds" 0 "$status"
e2e_wait "the running Zelvo to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "the installer ended the running Zelvo" no "$(yes_no kill -0 "$zelvo_pid" 2>/dev/null)"
check "the ended Zelvo wrote its settings" yes \
    "$(yes_no test "$(stat -c %y "$settings")" != "$written_before")"
check "the upgrade keeps the settings" 5 "$(decimals)"
check "the login start runs the installed zelvo.exe" "\"$windows_installed\\zelvo.exe\"" "$(login_start)"
check "the upgraded Zelvo is in place" yes "$(yes_no test -s "$installed/zelvo.exe")"

# The uninstaller as Apps & features runs it, with Zelvo running. It copies itself
# away and returns at once: its work is done when the program folder is gone.
start_installed_zelvo
"$wine" "$windows_installed\\Uninstall.exe" /S >>"$e2e_work/setup.log" 2>&1
e2e_wait "the uninstaller to remove the program folder" '[ ! -e "$installed" ]' || true
e2e_wait "the running Zelvo to end" '! kill -0 "$zelvo_pid" 2>/dev/null' || true
check "the uninstaller removes the program folder" no "$(yes_no test -e "$installed")"
check "the uninstaller ended the running Zelvo" no "$(yes_no kill -0 "$zelvo_pid" 2>/dev/null)"
check "the uninstaller removes the shortcut" no "$(yes_no test -e "$shortcut")"
check "the uninstaller removes the Apps & features entry" "" "$(key_values "$uninstall_key")"
check "the uninstaller removes the login start" "" "$(login_start)"
check "the uninstaller leaves the settings" 5 "$(decimals)"

e2e_finish
