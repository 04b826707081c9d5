#!/usr/bin/env bash
# Resident memory of yaopan once it has started and settled: VmRSS a second
# after launch, on the offscreen platform unless QT_QPA_PLATFORM says
# otherwise; the median over several runs (MB).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/app/yaopan}
runs=${2:-5}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

resident_kb() {
  local pid kb
  "$binary" >/dev/null 2>&1 &
  pid=$!
  sleep 1
  kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$kb"
}

for _ in $(seq "$runs"); do resident_kb; done | sort -n |
  awk '{a[NR] = $1} END {printf "yaopan resident after start: median %.1f MB (min %.1f, max %.1f) over %d runs\n", a[int((NR + 1) / 2)] / 1024, a[1] / 1024, a[NR] / 1024, NR}'
