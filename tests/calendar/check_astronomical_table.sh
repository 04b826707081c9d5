#!/usr/bin/env bash
# Regenerates a sample of years of the astronomical calendar table (both ends,
# the years whose months hinge on a new moon near midnight, the last year on
# Beijing mean time and the first on UTC+8, and a spread in between) and fails
# on any difference from the committed rows.
#   check_astronomical_table.sh GENERATOR TABLE
set -euo pipefail
generator=$1
table=$2
years=(1899 1906 1914 1916 1920 1928 1929 1933 1943 1978 2000 2024 2033 2057 2089 2097 2101)
pattern=$(IFS='|'; echo "${years[*]}")
committed=$(grep -E "^    \{($pattern), " "$table")
fresh=$("$generator" "${years[@]}")
diff -u <(echo "$committed") <(echo "$fresh")
echo "${#years[@]} years regenerate as committed"
