#!/usr/bin/env bash
# Regenerates calendar/data/astronomical_calendar.inc in full from libnova.
#   regenerate-astronomical-calendar.sh [BUILD_DIR]   (default: build)
# Needs a configured build folder and Debian libnova-dev.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
version=$(dpkg-query -W -f='${Version}' libnova-dev)
cmake --build "$build" --target gen_astronomical_calendar
"$build/gen_astronomical_calendar" --table "$version" >"$root/calendar/data/astronomical_calendar.inc.new"
mv "$root/calendar/data/astronomical_calendar.inc.new" "$root/calendar/data/astronomical_calendar.inc"
echo "wrote calendar/data/astronomical_calendar.inc (libnova-dev $version)"
