#!/usr/bin/env bash
# The Windows program under Wine on Xvfb and openbox: a conversion typed with real
# keys and read back through the clipboard, --quit, and setting.ini as both programs
# write it: code page 932, CR LF, fourteen sections, byte for byte the same after the
# other program has read and written it again.
# Usage: wine_smoke_test.sh PROGRAM_FOLDER LINUX_ZELVO
# (WINEPREFIX names the Wine prefix of the run, made by the wine fixture.)
source "$(dirname "$0")/wine_lib.sh"
linux_zelvo=$2
if [ ! -x "$linux_zelvo" ]; then
    echo "no Linux program at $linux_zelvo: build the release preset first" >&2
    exit 1
fi
wine_setup "$1"

mkdir -p "$e2e_work/linux"
cp "$linux_zelvo" "$e2e_work/linux/zelvo"
cp -r "$1/skin" "$e2e_work/linux/skin"
touch "$e2e_work/linux/portable"

sections() { tr -d '\r' <"$1" | grep -c '^/'; }
crlf_only() { [ "$(tr -d '\r' <"$1" | wc -l)" = "$(grep -c $'\r$' "$1")" ]; }

start_windows_zelvo
check "--version answers beside the running Zelvo" "Zelvo 2.5.0β" \
    "$(cd "$e2e_work/program" && "$wine" ./zelvo.exe --version | head -n 1 | tr -d '\r')"

click_box 1
xdotool type --delay 40 "25.4"
xdotool key Return
sleep 0.3
click_box 0  # a box selects its whole text when it gets the focus
expected=(25.40 101.60 72.02 1.00 96.00 1440.18)
for index in 1 2 3 4 5 6; do
    printf '' | xclip -selection clipboard
    click_box "$index"
    xdotool key ctrl+c
    e2e_wait "the clipboard" '[ -n "$(clipboard)" ]' || true
    check "unit box $index after 25.4 mm" "${expected[index - 1]}" "$(clipboard)"
done

quit_windows_zelvo
written="$e2e_work/program/setting.ini"
check "--quit writes setting.ini" "yes" "$([ -s "$written" ] && echo yes || echo no)"
check "fourteen sections" "14" "$(sections "$written")"
check "every line ends in CR LF" "yes" "$(crlf_only "$written" && echo yes || echo no)"
check "code page 932 text" "yes" "$(iconv -f CP932 -t UTF-8 "$written" >/dev/null && echo yes || echo no)"

# Windows -> Linux: the Linux program reads the file and writes it back unchanged.
cp "$written" "$e2e_work/linux/setting.ini"
"$e2e_work/linux/zelvo" >"$e2e_work/linux.log" 2>&1 &
linux_pid=$!
e2e_pids+=("$linux_pid")
e2e_wait "the Linux bar" 'xdotool search --onlyvisible --pid "$linux_pid" --name "^Zelvo$" >/dev/null'
"$e2e_work/linux/zelvo" --quit
e2e_wait "the Linux Zelvo to end" '! kill -0 "$linux_pid" 2>/dev/null'
check "Windows -> Linux is byte-identical" "yes" \
    "$(cmp -s "$written" "$e2e_work/linux/setting.ini" && echo yes || echo no)"

# Linux -> Windows: a file the Linux program wrote, with a skin of a Japanese name,
# comes back from the Windows program unchanged.
cp -r "$e2e_work/program/skin/skin_default" "$e2e_work/program/skin/skin_和風"
cp -r "$e2e_work/program/skin/skin_default" "$e2e_work/linux/skin/skin_和風"
iconv -f CP932 -t UTF-8 "$e2e_work/linux/setting.ini" |
    awk 'prev == "/SkinPath\r" { print "skin_和風\r"; prev = ""; next } { print; prev = $0 }' |
    iconv -f UTF-8 -t CP932 >"$e2e_work/linux/setting.tmp"
mv "$e2e_work/linux/setting.tmp" "$e2e_work/linux/setting.ini"
"$e2e_work/linux/zelvo" >>"$e2e_work/linux.log" 2>&1 &
linux_pid=$!
e2e_pids+=("$linux_pid")
e2e_wait "the Linux bar" 'xdotool search --onlyvisible --pid "$linux_pid" --name "^Zelvo$" >/dev/null'
"$e2e_work/linux/zelvo" --quit
e2e_wait "the Linux Zelvo to end" '! kill -0 "$linux_pid" 2>/dev/null'
check "the Linux program keeps the Japanese skin name" "skin_和風" \
    "$(iconv -f CP932 -t UTF-8 "$e2e_work/linux/setting.ini" | tr -d '\r' | grep -a -A1 '^/SkinPath$' | tail -n 1)"
cp "$e2e_work/linux/setting.ini" "$written"
start_windows_zelvo
quit_windows_zelvo
check "Linux -> Windows is byte-identical" "yes" \
    "$(cmp -s "$e2e_work/linux/setting.ini" "$written" && echo yes || echo no)"

e2e_finish
