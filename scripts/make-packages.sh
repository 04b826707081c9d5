#!/usr/bin/env bash
# Packs the Debian packages from a built tree into <build>/packages:
# yaopan at the program's version, libguaku<N> and libguaku-dev at the
# library's own (a cpack run has one version, so one run each).
#   make-packages.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$build/packages
rm -rf "$out"
mkdir -p "$out"
cd "$build"
cpack -G DEB -B "$out" -D CPACK_COMPONENTS_ALL=program >/dev/null
cpack -G DEB -B "$out" -D "CPACK_COMPONENTS_ALL=runtime;development" >/dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
