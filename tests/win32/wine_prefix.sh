#!/usr/bin/env bash
# start: makes the Wine prefix of this test run (WINEPREFIX), with an X display of
# its own for the programs that make windows, and keeps Wine's server running so
# that each test's program starts at once; stop: ends both.
set -euo pipefail
wine_dir=/usr/lib/wine
case "${1:-}" in
    start)
        mkdir -p "$WINEPREFIX"
        fifo=$(mktemp -u "$WINEPREFIX/.display-fifo.XXXXXX")
        mkfifo "$fifo"
        setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" \
            >/dev/null 2>&1 </dev/null &
        echo $! >"$WINEPREFIX/.xvfb-pid"
        if ! read -r -t 15 display <"$fifo"; then
            echo "Xvfb did not start" >&2
            exit 1
        fi
        rm -f "$fifo"
        echo ":$display" >"$WINEPREFIX/.display"
        export DISPLAY=":$display"
        setsid "$wine_dir/wineserver" -p >/dev/null 2>&1 </dev/null
        "$wine_dir/wine64" wineboot.exe -i >/dev/null 2>&1 </dev/null
        ;;
    stop)
        "$wine_dir/wineserver" -k >/dev/null 2>&1 || true
        if [ -f "$WINEPREFIX/.xvfb-pid" ]; then
            kill "$(cat "$WINEPREFIX/.xvfb-pid")" 2>/dev/null || true
            rm -f "$WINEPREFIX/.xvfb-pid" "$WINEPREFIX/.display"
        fi
        ;;
    *)
        echo "usage: wine_prefix.sh start|stop" >&2
        exit 2
        ;;
esac
