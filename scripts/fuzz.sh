#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for the given number of inputs
# (default 100000), starting from its seed folder in tests/fuzz/seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
runs=${1:-100000}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRUFO_WERROR=ON -DRUFO_BUILD_FUZZ=ON -DRUFO_BUILD_TESTS=OFF -DRUFO_BUILD_BENCH=OFF -DRUFO_BUILD_DATA=OFF
cmake --build "$build"
for target in "$build"/fuzz_*; do
  name=$(basename "$target")
  seeds=tests/fuzz/seeds/${name#fuzz_}
  corpus=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  echo "== $name"
  "$target" -runs="$runs" -max_len=65536 "$corpus" 2>&1 | tail -n 2
  rm -rf "$corpus"
done
