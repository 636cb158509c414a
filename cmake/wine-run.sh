#!/usr/bin/env bash
# Runs a Windows program of the build under Wine (64-bit), for its tests: on the X
# display the test run's Wine prefix was made with, unless a display is set.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ] && [ -f "$WINEPREFIX/.display" ]; then
    DISPLAY=$(cat "$WINEPREFIX/.display")
    export DISPLAY
fi
exec /usr/lib/wine/wine64 "$@"
