#!/usr/bin/env bash
# Builds Zelvo and runs every test: the release build first, then the unit
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --preset asan
cmake --build --preset asan --target zelvo_unit_tests
ctest --preset asan
