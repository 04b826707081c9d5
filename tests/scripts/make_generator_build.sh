#!/usr/bin/env bash
# The files the build generates by its own commands come out under CMake's
# default generator too: Make, unlike Ninja, makes no output folder itself.
set -euo pipefail
source=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cmake -S "$source" -B "$tree" -G "Unix Makefiles" -DYAOPAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$tree" --target package_files -- -s
for file in packaging/yaopan/changelog.gz packaging/guaku/changelog.gz packaging/man/yaopan.1.gz packaging/man/yaopan-cast.1.gz; do
  gzip -t "$tree/$file"
done
