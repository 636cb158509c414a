#!/usr/bin/env bash
# start: makes the Wine prefix of this test run (WINEPREFIX), with an X display of
# its own and a window manager on it for the programs that make windows (without one,
# Wine waits for it whenever a window goes), and keeps Wine's server running so that
# each test's program starts at once; stop: ends them all.
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
        setsid openbox >/dev/null 2>&1 </dev/null &
        echo $! >"$WINEPREFIX/.openbox-pid"
        setsid "$wine_dir/wineserver" -p >/dev/null 2>&1 </dev/null
        "$wine_dir/wine64" wineboot.exe -i >/dev/null 2>&1 </dev/null
        ;;
    stop)
        "$wine_dir/wineserver" -k >/dev/null 2>&1 || true
        for pid_file in "$WINEPREFIX/.openbox-pid" "$WINEPREFIX/.xvfb-pid"; do
            if [ -f "$pid_file" ]; then
                kill "$(cat "$pid_file")" 2>/dev/null || true
                rm -f "$pid_file"
            fi
        done
        rm -f "$WINEPREFIX/.display"
        ;;
    *)
        echo "usage: wine_prefix.sh start|stop" >&2
        exit 2
        ;;
esac
