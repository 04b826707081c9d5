#!/usr/bin/env bash
# Builds nongcalendar-demo and runs it under Xvfb with 13 September 2010
# selected: the window is drawn into docs/nongcalendar-demo.png for the README.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target nongcalendar-demo
mkdir -p "$root/docs"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$root/build/demo/nongcalendar/nongcalendar-demo" --date 2010-09-13 --screenshot "$root/docs/nongcalendar-demo.png"
echo "wrote $root/docs/nongcalendar-demo.png"
