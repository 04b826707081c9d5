#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite;
# the library, engine, calendar-control and smooth-text tests again under
# AddressSanitizer + UndefinedBehaviorSanitizer; guaku.dll under Wine; and
# each guaku fuzzer for a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh" test

echo "== build and test"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== sanitizers (address, undefined)"
# Everything below the windows: the windows' own tests need the desktop
# session's libraries, whose leaks are not ours to answer for.
sanitized_tests=(guaku_test guaku_c_caller casting_test calendar_test calendar_control_test smooth_text_test journal_test)
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYAOPAN_SANITIZE=ON \
  -DYAOPAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-sanitize" -j "$jobs" --target guaku "${sanitized_tests[@]}"
(cd "$root/build-sanitize" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -E '^app')

echo "== guaku.dll for 32-bit Windows, under Wine"
"$root/scripts/test-windows-dll.sh"

echo "== fuzzers"
"$root/scripts/fuzz.sh" 5
