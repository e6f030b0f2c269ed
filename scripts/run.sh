#!/usr/bin/env bash
# Sets up, builds and starts Kelbo Radezo Ruda Brightway.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
exec build/default/RadezoRuda/radezo-ruda "$@"
