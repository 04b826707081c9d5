#!/usr/bin/env bash
# Builds the libFuzzer targets (guaku's exports and a yaopan-cast batch
# line) with clang and runs each for a bounded time (seconds per target,
# default 60). New inputs the fuzzers find stay in
# build-fuzz/corpus between runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/build-fuzz
# YAOPAN_UNITY_BUILD=ON: unity builds, as the test command makes its trees.
# Line tables are all a crash's backtrace needs.
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" \
  -DYAOPAN_FUZZ=ON -DCMAKE_UNITY_BUILD="${YAOPAN_UNITY_BUILD:-OFF}" >/dev/null
names=(get_bihua wsxy kjxy kong diju batch_line)
# Just the fuzzers and what they link, not the tree's programs and tables.
cmake --build "$build" -j "$(nproc)" --target "${names[@]/#/fuzz_}"
for name in "${names[@]}"; do
  corpus=$build/corpus/$name
  mkdir -p "$corpus"
  # Seeds kept in the tree start a fuzzer off with well-formed inputs.
  seeds=()
  [ -d "$root/tests/fuzz/seeds/$name" ] && seeds=("$root/tests/fuzz/seeds/$name")
  log=$build/fuzz_$name.log
  echo "fuzz_$name: ${seconds}s"
  if ! "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/crash-$name-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$name failed; the crashing input is named above"
    exit 1
  fi
  grep -E "^stat::number_of_executed_units" "$log"
done
echo "fuzzers: ${#names[@]} passed, 0 failed"
