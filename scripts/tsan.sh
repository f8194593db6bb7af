#!/usr/bin/env bash
# Builds the sound tests with ThreadSanitizer and runs them: streaming threads, the audio
# callback and the main thread share every sound object.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${RUFO_BUILD_DIR:-build-tsan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUFO_SANITIZE=thread \
  -DRUFO_WERROR=ON -DRUFO_BUILD_BENCH=OFF -DRUFO_BUILD_DATA=OFF
cmake --build "$build" --target sound_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" "$build/sound_tests"
