#!/usr/bin/env bash
# The yaopan program itself on an X server (run under xvfb-run): it loads
# (libguaku bound), maps its main window, and on SIGTERM closes and exits 0.
set -euo pipefail
binary=$1
export QT_QPA_PLATFORM=xcb
# Its journal and settings go to a temporary home, never the real one.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
"$binary" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 2000); do
  xdotool search --onlyvisible --name "梅花易数" >/dev/null 2>&1 && break
  kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; echo "yaopan ended before showing its window"; exit 1; }
  sleep 0.01
done
window=$(xdotool search --onlyvisible --name "梅花易数" | head -n1)
[ -n "$window" ] || { kill "$pid"; echo "no window after 20 s"; exit 1; }
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "976x547" ] || { kill "$pid"; echo "window is $geometry, not 976x547"; exit 1; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "yaopan exited with $status after SIGTERM"; exit 1; }
echo "yaopan showed its 976x547 window and exited cleanly"
