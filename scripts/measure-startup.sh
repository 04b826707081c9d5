#!/usr/bin/env bash
# Cold start of yaopan under Xvfb: wall time from launching the program to
# its main window being mapped on screen, over several runs (milliseconds).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/app/yaopan}
runs=${2:-5}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$binary" "$runs"
fi
command -v xdotool >/dev/null || { echo "needs xdotool"; exit 1; }
export QT_QPA_PLATFORM=xcb

measure() {
  local start end pid
  start=$(date +%s%N)
  "$binary" >/dev/null 2>&1 &
  pid=$!
  # Poll, since xdotool's own --sync waits half a second between looks.
  local tries=0
  until xdotool search --onlyvisible --name "梅花易数" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 2000 ] || { echo "no window after 10 s" >&2; kill "$pid"; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

measure >/dev/null  # the first run fills the font cache
for _ in $(seq "$runs"); do measure; done | sort -n |
  awk '{a[NR] = $1} END {printf "startup ms: min %d, median %d, max %d over %d runs\n", a[1], a[int((NR + 1) / 2)], a[NR], NR}'
