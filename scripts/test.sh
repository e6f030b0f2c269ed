#!/usr/bin/env bash
# Sets up, builds and runs every test: once in the normal build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default sanitize; do
    echo "=== $preset build ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
    ctest --preset "$preset"
done
