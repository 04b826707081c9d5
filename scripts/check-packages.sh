#!/usr/bin/env bash
# Checks the Debian packages of a built tree as Debian would: packs them,
# runs lintian (any error fails), validates the metainfo, then unpacks the
# packages into a scratch root and casts with the yaopan-cast inside it.
#   check-packages.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

mapfile -t debs < <("$root/scripts/make-packages.sh" "$build")
printf 'packed: %s\n' "${debs[@]##*/}"

echo "lintian:"
# --fail-on error: warnings are reported, errors fail.
lintian --fail-on error --tag-display-limit 0 "${debs[@]}"

appstreamcli validate --no-net "$root/assets/org.example.yaopan.metainfo.xml"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for deb in "${debs[@]}"; do dpkg-deb -x "$deb" "$scratch"; done
libdir=$(find "$scratch/usr/lib" -name 'libguaku.so.*' -printf '%h\n' | head -n 1)
report=$(LD_LIBRARY_PATH=$libdir "$scratch/usr/bin/yaopan-cast" --date 2024-02-10 --hour 9 --method traditional)
lines=$(printf '%s\n' "$report" | wc -l)
if [ "$lines" -ne 13 ] || ! grep -q '本卦' <<<"$report"; then
  printf '%s\n' "$report"
  echo "the unpacked yaopan-cast did not print a 13-line report"
  exit 1
fi
echo "unpacked packages cast: 13-line report"
# The package's catalogs, found beside its program: the engine's refusal in English.
refusal=$(LD_LIBRARY_PATH=$libdir "$scratch/usr/bin/yaopan-cast" --lang en --method number 2>&1 || true)
if [ "$refusal" != "yaopan-cast: bad input: something is missing" ]; then
  printf '%s\n' "$refusal"
  echo "the unpacked yaopan-cast did not find its English catalog"
  exit 1
fi
echo "unpacked packages speak: the English catalog"
