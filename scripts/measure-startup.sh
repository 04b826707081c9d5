#!/usr/bin/env bash
# Cold start of yaopan under Xvfb beside the floor, a minimal Qt Widgets
# window with Chinese text: wall time from launching each program to its
# window being mapped on screen (milliseconds). The two are started in turn,
# so both see the same machine load; prints the median of each and their
# ratio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/app/yaopan}
floor=${2:-$root/build/bench/startup_floor}
runs=${3:-10}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$binary" "$floor" "$runs"
fi
command -v xdotool >/dev/null || { echo "needs xdotool"; exit 1; }
export QT_QPA_PLATFORM=xcb

# Both windows' titles hold this.
title="梅花易数"

measure() {
  local program=$1 start end pid
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  # Poll, since xdotool's own --sync waits half a second between looks.
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$program ended before its window showed" >&2; exit 1; }
    [ $(($(date +%s%N) - start)) -lt 20000000000 ] || { echo "no window after 20 s" >&2; kill "$pid"; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# The first runs fill the font cache.
measure "$binary" >/dev/null
measure "$floor" >/dev/null
program_ms=()
floor_ms=()
for _ in $(seq "$runs"); do
  program_ms+=("$(measure "$binary")")
  floor_ms+=("$(measure "$floor")")
done
program_median=$(printf '%s\n' "${program_ms[@]}" | median)
floor_median=$(printf '%s\n' "${floor_ms[@]}" | median)
echo "yaopan ms: ${program_ms[*]}"
echo "floor  ms: ${floor_ms[*]}"
awk -v p="$program_median" -v f="$floor_median" -v n="$runs" \
  'BEGIN {printf "startup median over %d runs: yaopan %d ms, floor %d ms, ratio %.2f\n", n, p, f, p / f}'
