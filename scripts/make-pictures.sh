#!/usr/bin/env bash
# Repaints the committed chart (assets/pictures/chart.jpg) and icon
# (assets/icons/yaopan.png) with the painter program in scripts/pictures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target make_pictures
"$root/build/scripts/pictures/make_pictures" "$root/assets"
