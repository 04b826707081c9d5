#!/usr/bin/env bash
# Builds the screenshot program and runs it under Xvfb: writes the README
# screenshot docs/screenshot.png and the information dialog's picture
# assets/pictures/latest_work.jpg, both showing the main window with a
# sample report, and the almanac window's docs/almanac_window.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target screenshot
mkdir -p "$root/docs"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24" \
  "$root/build/scripts/pictures/screenshot" "$root/docs/screenshot.png" "$root/assets/pictures/latest_work.jpg" \
  "$root/docs/almanac_window.png"
