#!/usr/bin/env bash
# The Windows program under Wine on Xvfb and openbox: a conversion typed with real
# keys and read back through the clipboard, --quit, --convert printing to the
# standard output and error it was given, and setting.ini as both programs write it:
# code page 932, CR LF, fourteen sections, byte for byte the same after the other
# program has read and written it again.
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

# Starts the Linux program in its portable folder, so that it reads setting.ini, and
# ends it with --quit, so that it writes the file again.
linux_reads_and_writes() {
    "$e2e_work/linux/zelvo" >>"$e2e_work/linux.log" 2>&1 &
    local pid=$!
    e2e_pids+=("$pid")
    e2e_wait "the Linux bar" 'xdotool search --onlyvisible --pid "$pid" --name "^Zelvo$" >/dev/null'
    "$e2e_work/linux/zelvo" --quit
    e2e_wait "the Linux Zelvo to end" '! kill -0 "$pid" 2>/dev/null'
}

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

# --convert with no Zelvo running: the six lines on the standard output it was given,
# with the decimals of the setting.ini just written and the density given; the notice
# of what cannot be converted on its standard error, with status 1. It returns, so it
# started no bar.
convert() {
    convert_status=0
    (cd "$e2e_work/program" && "$wine" ./zelvo.exe --convert "$@") >"$e2e_work/convert.out" \
        2>"$e2e_work/convert.err" || convert_status=$?
}
convert 10pt --ppi 72
check "--convert 10pt --ppi 72" "3.53 mm|14.11 Q|10.00 pt|0.14 in|10.00 px|199.98 twip" \
    "$(tr -d '\r' <"$e2e_work/convert.out" | paste -sd '|')"
check "--convert 10pt: status 0" "0" "$convert_status"
convert 1/0
check "--convert 1/0: the notice on standard error" \
    "不明なエラーが発生しました。|処理中止します。" "$(tr -d '\r' <"$e2e_work/convert.err" | paste -sd '|')"
check "--convert 1/0: nothing on standard output" "" "$(cat "$e2e_work/convert.out")"
check "--convert 1/0: status 1" "1" "$convert_status"
# Started from a terminal, which Wine gives it as its console, it writes to that.
console=$(cd "$e2e_work/program" && script -qec "$wine ./zelvo.exe --convert 1in" /dev/null |
    sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g' | tr -d '\r' | paste -sd '|')
check "--convert 1in on the console" "25.40 mm|101.60 Q|72.02 pt|1.00 in|96.00 px|1440.18 twip" \
    "$console"

# Windows -> Linux: the Linux program reads the file and writes it back unchanged.
cp "$written" "$e2e_work/linux/setting.ini"
linux_reads_and_writes
check "Windows -> Linux is byte-identical" "yes" \
    "$(cmp -s "$written" "$e2e_work/linux/setting.ini" && echo yes || echo no)"

# Linux -> Windows: a file the Linux program wrote, with the characters outside ASCII
# the file can hold: a skin of a Japanese name, a custom density typed in full-width
# digits and the hot key Ctrl+Alt+ｺ (key code 0xBA, the half-width kana of that byte),
# comes back from the Windows program unchanged.
cp -r "$e2e_work/program/skin/skin_default" "$e2e_work/program/skin/skin_和風"
cp -r "$e2e_work/program/skin/skin_default" "$e2e_work/linux/skin/skin_和風"
iconv -f CP932 -t UTF-8 "$e2e_work/linux/setting.ini" | awk '
    BEGIN {
        value["/op1\r"] = "False|False|True|１２０\r"
        value["/HotKey(bCtrl)\r"] = "True\r"
        value["/HotKey(bAlt)\r"] = "True\r"
        value["/HotKey(sChar)\r"] = "ｺ\r"
        value["/SkinPath\r"] = "skin_和風\r"
    }
    prev in value { print value[prev]; prev = ""; next }
    { print; prev = $0 }' |
    iconv -f UTF-8 -t CP932 >"$e2e_work/linux/setting.tmp"
mv "$e2e_work/linux/setting.tmp" "$e2e_work/linux/setting.ini"
cp "$e2e_work/linux/setting.ini" "$e2e_work/linux/setting.given"
linux_reads_and_writes
check "the Linux program keeps the file byte for byte" "yes" \
    "$(cmp -s "$e2e_work/linux/setting.given" "$e2e_work/linux/setting.ini" && echo yes || echo no)"
check "the half-width kana key is the one byte 0xBA" "ba 0d 0a" \
    "$(grep -a -A1 $'^/HotKey(sChar)\r$' "$e2e_work/linux/setting.ini" | tail -n 1 | od -An -tx1 |
        xargs)"
cp "$e2e_work/linux/setting.ini" "$written"
start_windows_zelvo
quit_windows_zelvo
check "Linux -> Windows is byte-identical" "yes" \
    "$(cmp -s "$e2e_work/linux/setting.ini" "$written" && echo yes || echo no)"

e2e_finish
