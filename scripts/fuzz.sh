#!/usr/bin/env bash
# Runs every fuzz target (fuzz/*_fuzz.cpp) for SECONDS each over the seed corpus, with AddressSanitizer
# and UndefinedBehaviorSanitizer. Each target grows its own corpus in build-fuzz/corpus-TARGET, so a
# later run starts where the last one ended; inputs that crash are kept as
# build-fuzz/crashes/TARGET-crash-* (replay one with: build-fuzz/TARGET FILE).
# Usage: scripts/fuzz.sh [SECONDS]   (default 60; exit status 1 when a target found a crash)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZEDARUZ_FUZZ=ON -DZEDARUZ_GUI=OFF -DZEDARUZ_BENCH=OFF >/dev/null || exit 1
cmake --build "$build" --target fuzz_targets -j"${JOBS:-2}" >/dev/null || exit 1
rm -rf "$build/seeds" && "$build/make_seed_corpus" "$build/seeds" || exit 1
mkdir -p "$build/crashes"
status=0
for src in "$root"/fuzz/*_fuzz.cpp; do
  target=$(basename "$src" .cpp)
  corpus="$build/corpus-$target"
  mkdir -p "$corpus"
  log="$build/$target.log"
  "$build/$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" "$corpus" "$build/seeds" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  took=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  echo "$target: ${runs:-?} runs, ${took:-?} executions per second, corpus $(ls "$corpus" | wc -l) files"
  if [ "$rc" -ne 0 ]; then
    status=1
    echo "$target FOUND A CRASH (exit $rc); see $log and $build/crashes/"
    grep -m 5 -E 'ERROR|property broken|runtime error' "$log"
  fi
done
exit $status
