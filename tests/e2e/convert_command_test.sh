#!/usr/bin/env bash
# zelvo --convert as a user runs it: without a display and beside no running Zelvo,
# with the decimals and the density of the setting.ini the bar reads (the user's
# configuration folder for an installed program, the program's folder for a portable
# one), which it leaves as it was; the six lines on standard output, the notices of
# the bar on standard error with status 1, bad options with status 2.
# Usage: convert_command_test.sh ZELVO
source "$(dirname "$0")/lib.sh"
e2e_work=$(mktemp -d)
trap e2e_cleanup EXIT
e2e_collect_sanitizer_reports
unset DISPLAY WAYLAND_DISPLAY
export XDG_CONFIG_HOME="$e2e_work/config" XDG_RUNTIME_DIR="$e2e_work/runtime"
mkdir -p "$e2e_work/installed" "$XDG_CONFIG_HOME/zelvo" "$e2e_work/portable"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
cp "$1" "$e2e_work/installed/zelvo"
cp "$1" "$e2e_work/portable/zelvo"

# setting.ini as the bar writes it (code page 932, CR LF), with the sections that
# matter here: the custom density 300 and three decimals.
settings="$XDG_CONFIG_HOME/zelvo/setting.ini"
printf '/op1\r\nFalse|False|True|300\r\n/UPDOWN\r\n3\r\n/SkinPath\r\n' >"$settings"
printf 'skin_和風\r\n\r\n' | iconv -f UTF-8 -t CP932 >>"$settings"
cp "$settings" "$e2e_work/settings.given"

# Runs the program with the arguments; its output lands in $out, $err and $status.
run() {
    local program=$1
    shift
    status=0
    "$program" "$@" >"$e2e_work/out" 2>"$e2e_work/err" || status=$?
    out=$(cat "$e2e_work/out")
    err=$(cat "$e2e_work/err")
}
# The lines of standard output joined by "|".
lines() { tr '\n' '|' <"$e2e_work/out" | sed 's/|$//'; }
zelvo="$e2e_work/installed/zelvo"

run "$zelvo" --convert 25.4
check "25.4 at the stored 3 decimals and 300 ppi" \
    "25.400 mm|101.600 Q|72.017 pt|1.001 in|300.000 px|1440.180 twip" "$(lines)"
check "25.4: nothing on standard error" "" "$err"
check "25.4: status 0" "0" "$status"

run "$zelvo" -c "10pt" --decimals 2 --ppi 96
check "10pt with --decimals 2 --ppi 96" "3.53 mm|14.11 Q|10.00 pt|0.14 in|13.33 px|199.98 twip" \
    "$(lines)"
check "10pt: status 0" "0" "$status"

run "$zelvo" --convert=12級 --decimals=0
check "12級 at 0 decimals" "3. mm|12. Q|9. pt|0. in|35. px|170. twip" "$(lines)"

for failure in "1/0|不明なエラーが発生しました。|処理中止します。" \
    "1+|計算対象文字列に誤りがあります｡|計算を実行できません。" "|数値を入力して下さい"; do
    IFS='|' read -r expression first second <<<"$failure"
    run "$zelvo" --convert "$expression"
    expected=$first${second:+$'\n'$second}
    check "'$expression': the notice's words on standard error" "$expected" "$err"
    check "'$expression': nothing on standard output" "" "$out"
    check "'$expression': status 1" "1" "$status"
done

for wrong in "--convert" "-c 1 --decimals 11" "-c 1 --ppi 0" "--ppi 96" "-c 1 --toggle"; do
    # shellcheck disable=SC2086 # the options are words
    run "$zelvo" $wrong
    check "'$wrong': status 2" "2" "$status"
    check "'$wrong': nothing on standard output" "" "$out"
    check "'$wrong': says what is wrong" "zelvo: " "${err:0:7}"
done

run "$zelvo" --help
check "--help tells of --convert" "yes" \
    "$(grep -q -- '-c, --convert EXPRESSION' <<<"$out" && echo yes || echo no)"

check "setting.ini is left byte for byte" "yes" \
    "$(cmp -s "$settings" "$e2e_work/settings.given" && echo yes || echo no)"
check "nothing else in the configuration folder" "setting.ini" "$(ls -A "$XDG_CONFIG_HOME/zelvo")"
check "no instance channel was made" "" "$(ls -A "$XDG_RUNTIME_DIR")"

# Without setting.ini: the initial two decimals and 96 ppi; nothing is written.
rm "$settings"
run "$zelvo" -c 1in
check "1in without settings" "25.40 mm|101.60 Q|72.02 pt|1.00 in|96.00 px|1440.18 twip" \
    "$(lines)"
check "no setting.ini is written" "" "$(ls -A "$XDG_CONFIG_HOME/zelvo")"

# A portable program reads the setting.ini beside it.
printf '/op1\r\nFalse|True|False|0000\r\n/UPDOWN\r\n1\r\n' >"$e2e_work/portable/setting.ini"
run "$e2e_work/portable/zelvo" -c 96px
check "portable: 96px at 72 ppi and 1 decimal" \
    "33.9 mm|135.5 Q|96.0 pt|1.3 in|96.0 px|1920.2 twip" "$(lines)"

e2e_finish
