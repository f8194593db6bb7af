#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and fuzzes them.
#
#   scripts/fuzz.sh [--runs N | --seconds S] [--jobs J] [TARGET...]
#
# Each target (default: all, e.g. wave_reader) runs for N inputs (default 100000) or S seconds,
# J targets at a time (default 1), starting from its seeds (tests/fuzz/seeds/TARGET) and its
# corpus (tests/fuzz/corpus/TARGET). After a clean run the inputs that widened coverage are
# merged into the corpus, which is minimised again (libFuzzer -merge=1) so that it stays small.
# An input that makes a target fail is copied into its seed folder, where it stays for good.
# Logs: build-fuzz/fuzz-logs/TARGET.log. The exit status is 1 when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-runs=100000)
jobs=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) limit=(-runs="$2"); shift 2 ;;
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    -h | --help) sed -n '2,11p' "$0" | cut -c3-; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

scripts/install-deps.sh
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRUFO_WERROR=ON -DRUFO_BUILD_FUZZ=ON -DRUFO_BUILD_TESTS=OFF -DRUFO_BUILD_BENCH=OFF -DRUFO_BUILD_DATA=OFF >/dev/null
cmake --build "$build" --target fuzz_targets
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz_*; do targets+=("$(basename "$program" | sed 's/^fuzz_//')"); done
fi
logs=$build/fuzz-logs
mkdir -p "$logs"
max_len=65536

# Replaces the corpus with the smallest set of its inputs and the run's new ones that covers what
# they cover beyond the seeds.
merge_corpus() {
  local program=$1 seeds=$2 corpus=$3 new=$4 work=$5
  mkdir -p "$work/merged"
  cp -r "$seeds"/. "$work/merged"/
  "$program" -merge=1 -max_len=$max_len "$work/merged" "$corpus" "$new"
  for seed in "$seeds"/*; do rm -f "$work/merged/$(basename "$seed")"; done
  rm -rf "$corpus"
  mv "$work/merged" "$corpus"
}

fuzz_one() {
  local name=$1
  local program=$build/fuzz_$name seeds=tests/fuzz/seeds/$name corpus=tests/fuzz/corpus/$name
  local log=$logs/$name.log work status=0
  [ -x "$program" ] || { echo "== $name: no program $program" >&2; return 1; }
  work=$(mktemp -d)
  mkdir -p "$seeds" "$corpus" "$work/new"
  UBSAN_OPTIONS=print_stacktrace=1 "$program" "${limit[@]}" -max_len=$max_len -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/new" "$corpus" "$seeds" >"$log" 2>&1 ||
    status=$?
  local inputs seconds
  inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  if [ $status -ne 0 ]; then
    local kept=()
    for artifact in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
      [ -e "$artifact" ] || continue
      cp "$artifact" "$seeds/"
      kept+=("$seeds/$(basename "$artifact")")
    done
    echo "== $name: FAILED after ${inputs:-?} inputs; kept ${kept[*]:-nothing}; log $log"
    grep -m 3 -E "ERROR|runtime error|SUMMARY" "$log" || tail -n 5 "$log"
  else
    merge_corpus "$program" "$seeds" "$corpus" "$work/new" "$work" >>"$log" 2>&1 || status=$?
    echo "== $name: ${inputs:-?} inputs in ${seconds:-?} s, corpus $(ls "$corpus" | wc -l) files"
  fi
  rm -rf "$work"
  return $status
}

failed=0
running=0
for name in "${targets[@]}"; do
  if [ $running -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$name" &
  running=$((running + 1))
done
while [ $running -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
