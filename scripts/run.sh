#!/usr/bin/env bash
# Builds Zelvo and starts the bar.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

echo "The conversion engine is built; the bar window is not built yet."
echo "Try it through its tests: ctest --preset release"
