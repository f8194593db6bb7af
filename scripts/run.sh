#!/usr/bin/env bash
# Builds the game with its demo data and starts it. Set RUFO_WINDOWED=1 to start in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${RUFO_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target rufo rufo_demo_data
exec "$build/rufo"
