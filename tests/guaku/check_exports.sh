#!/usr/bin/env bash
# The library's dynamic symbol table must offer exactly the six exports as
# functions, and no other function of its own.
set -euo pipefail
lib=$1
expected="DIJU GetBiHua kjxy kong lssg wsxy"
actual=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TtWwi]$/ {print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$expected" ]; then
  echo "exported functions: '$actual'"
  echo "expected:           '$expected'"
  exit 1
fi
# Plain C names: no C++ decoration.
if nm -D --defined-only "$lib" | grep -q ' _Z'; then
  echo "C++ symbols leak from $lib"; exit 1
fi
echo "exports: $actual"
