#!/usr/bin/env bash
# Builds everything and runs every test. Tests that need a real window run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${RUFO_BUILD_DIR:-build}
# System libraries keep some allocations until exit; leak-checked builds ignore those (the
# build runs the demo-data generator, so this holds for the build as well as the tests).
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUFO_WERROR=ON "$@"
cmake --build "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build" --output-on-failure -j2
# The scripted player once more with random seeds, each printed so that a failure can be replayed:
# RUFO_RANDOM_PLAYS rounds of winning and losing everything and of exploring (default 2, 0 for
# none). Then the explorer, a restless child, for ten minutes of game time (a few seconds) on each
# of the seeds RUFO_EXPLORE_SEEDS; every seed is played before a failure ends the script.
if [ -d "$build/data" ]; then
  for ((round = 0; round < ${RUFO_RANDOM_PLAYS:-2}; ++round)); do
    "$build/rufo-play" --win-all --seed random
    "$build/rufo-play" --lose-all --seed random
    "$build/rufo-play" --explore 10 --seed random
  done
  explored=0
  for seed in ${RUFO_EXPLORE_SEEDS-1 2 3 4}; do
    "$build/rufo-play" --explore 10 --seed "$seed" || explored=1
  done
  exit "$explored"
fi
