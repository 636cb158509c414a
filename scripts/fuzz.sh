#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset, clang) and runs each for the given
# number of seconds (600 by default) on a copy of its seed corpus, with its
# dictionary. Prints the executions of each; fails on any finding.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in evaluator decimal_format settings_reader code_page_932 length_query; do
    cp -r "tests/fuzz/corpus/$target" "$work/$target"
    if ! (cd "$work" && "$OLDPWD/build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
              -dict="$OLDPWD/tests/fuzz/$target.dict" -print_final_stats=1 "$work/$target" \
              >"$work/$target.log" 2>&1); then
        status=1
        echo "fuzz_$target: FOUND SOMETHING"
        grep -v '^#' "$work/$target.log" | tail -n 40
        ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null || true
        continue
    fi
    runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$work/$target.log")
    echo "fuzz_$target: $runs executions in $seconds s"
done
exit "$status"
