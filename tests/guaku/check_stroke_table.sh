#!/usr/bin/env bash
# Regenerates the stroke table from the installed Unihan data and fails on
# any difference from the committed table.
set -euo pipefail
root=$1
unihan=/usr/share/unicode/Unihan_IRGSources.txt.bz2
if [ ! -r "$unihan" ]; then echo "no $unihan: install unicode-data"; exit 1; fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
python3 "$root/scripts/gen_stroke_table.py" --unihan "$unihan" "$out"
diff -u "$root/guaku/data/stroke_table.inc" "$out"
echo "stroke table matches its source"
