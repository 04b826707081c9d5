#!/usr/bin/env bash
# yaopan against a libguaku that lacks one of the names it imports: the
# loader must refuse to start it, before any window opens; else it would
# die at the first casting instead. One stand-in library per name.
set -euo pipefail
binary=$1 guaku=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
soname=$(objdump -p "$guaku" | sed -n 's/^ *SONAME *//p')
exports=$(nm -D --defined-only "$guaku" | awk '$2 == "T" {print $3}' | sort)
imports=$(comm -12 <(echo "$exports") <(nm -D --undefined-only "$binary" | awk '{print $2}' | sort))
[ -n "$imports" ] || { echo "yaopan imports nothing from $soname"; exit 1; }
failures=0
for missing in $imports; do
  for name in $exports; do
    [ "$name" = "$missing" ] || echo "int $name(void) { return 0; }"
  done >"$work/stub.c"
  cc -shared -fPIC -Wl,-soname,"$soname" "$work/stub.c" -o "$work/$soname"
  # Preloaded under the same SONAME, the stand-in takes the real one's place.
  status=0
  out=$(LD_PRELOAD="$work/$soname" QT_QPA_PLATFORM=offscreen timeout 20 "$binary" 2>&1) || status=$?
  if [ "$status" -ne 127 ] || ! grep -q "undefined symbol: $missing" <<<"$out"; then
    echo "without $missing: exit $status (expected 127, the loader's refusal): $out"
    failures=$((failures + 1))
  else
    echo "without $missing: refused at load"
  fi
done
exit $((failures > 0))
