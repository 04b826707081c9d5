#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite,
# the guaku tests again under AddressSanitizer + UndefinedBehaviorSanitizer,
# each guaku fuzzer for a few seconds, and guaku.dll under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh" test

echo "== build and test"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== sanitizers (address, undefined)"
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYAOPAN_SANITIZE=ON \
  -DYAOPAN_BUILD_APP=OFF -DYAOPAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-sanitize" -j "$jobs"
(cd "$root/build-sanitize" && ctest --output-on-failure -j "$jobs")

echo "== guaku.dll for 32-bit Windows, under Wine"
"$root/scripts/test-windows-dll.sh"

echo "== fuzzers"
"$root/scripts/fuzz.sh" 5
