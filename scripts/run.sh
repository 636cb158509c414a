#!/usr/bin/env bash
# Builds Zelvo and starts the bar.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ]; then
    echo "Zelvo needs an X display and DISPLAY is not set; without a desktop, run: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi
exec build/release/zelvo
