#!/usr/bin/env bash
# start: makes the Wine prefix of this test run (WINEPREFIX) and keeps its server
# running, so that each test's program starts at once; stop: ends that server.
set -euo pipefail
wine_dir=/usr/lib/wine
case "${1:-}" in
    start)
        mkdir -p "$WINEPREFIX"
        "$wine_dir/wineserver" -p >/dev/null 2>&1
        "$wine_dir/wine64" wineboot.exe -i >/dev/null 2>&1
        ;;
    stop)
        "$wine_dir/wineserver" -k >/dev/null 2>&1 || true
        ;;
    *)
        echo "usage: wine_prefix.sh start|stop" >&2
        exit 2
        ;;
esac
