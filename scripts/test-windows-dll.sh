#!/usr/bin/env bash
# Cross-builds guaku.dll and its test program for 32-bit Windows, checks
# the DLL's export table, and runs the guaku tests against the DLL under
# Wine, headless. With --no-wine it stops after the export table (for a
# machine on which Wine's i386 side cannot be installed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-win32
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DYAOPAN_BUILD_APP=OFF -DYAOPAN_BUILD_TESTS=OFF -DYAOPAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
"$root/tests/windows/check_dll_exports.sh" "$build/guaku/guaku.dll"
[ "${1:-}" = --no-wine ] && exit 0

# A prefix of our own, made once; Wine's own chatter is silenced.
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wine "$build/tests/windows/guaku_dll_test.exe" "$build/guaku/guaku.dll"
