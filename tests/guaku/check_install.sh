#!/usr/bin/env bash
# Installs the library into a scratch prefix and builds a C caller from the
# installed header with nothing but `pkg-config --cflags --libs guaku`.
set -euo pipefail
build_dir=$1 source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" --component Unspecified >/dev/null
pcdir=$(dirname "$(find "$prefix" -name guaku.pc | head -n1)")
export PKG_CONFIG_PATH=$pcdir
# The .pc file records the configured prefix; point it at the scratch one.
flags=$(pkg-config --define-variable=prefix="$prefix" --cflags --libs guaku)
libdir=$(pkg-config --define-variable=prefix="$prefix" --variable=libdir guaku)
cc -std=c99 -Wall -Wextra -Werror "$source" $flags -o "$prefix/c_caller"
LD_LIBRARY_PATH=$libdir "$prefix/c_caller"
