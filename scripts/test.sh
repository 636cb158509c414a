#!/usr/bin/env bash
# Builds Zelvo and runs every test: the release build first, then the Windows
# program (cross-compiled, its installer made, its tests under Wine, packed as a
# zip), then the whole Linux program again under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the unit, view and end-to-end tests; last each
# fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --workflow --preset windows

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

scripts/fuzz.sh 60
