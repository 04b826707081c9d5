#!/usr/bin/env bash
# guaku.dll's export table must list exactly the six plain names at
# ordinals 1 to 6, in this order: GetBiHua lssg DIJU kjxy wsxy kong.
set -euo pipefail
dll=$1
dump=$(i686-w64-mingw32-objdump -p "$dll")
base=$(sed -n 's/.*Ordinal Base \([0-9]*\).*/\1/p' <<<"$dump")
# Lines "[   2] DIJU" under the name table: index into the address table.
actual=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
  sed -n 's/^\s*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' |
  awk -v base="$base" '{print $1 + base, $2}' | sort -n | tr '\n' ' ' | sed 's/ $//')
addresses=$(sed -n '/Export Address Table --/,/^$/p' <<<"$dump" | grep -c 'Export RVA' || true)
expected="1 GetBiHua 2 lssg 3 DIJU 4 kjxy 5 wsxy 6 kong"
if [ "$actual" != "$expected" ] || [ "$addresses" != 6 ]; then
  echo "export table: '$actual' ($addresses addresses)"
  echo "expected:     '$expected' (6 addresses)"
  exit 1
fi
echo "guaku.dll exports (ordinal name): $actual"
