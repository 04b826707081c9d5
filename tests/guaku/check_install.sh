#!/usr/bin/env bash
# Installs the library into a scratch prefix and builds a C caller from the
# installed header with nothing but `pkg-config --cflags --libs guaku`, and
# checks that the header, the .pc file, the file name and the SONAME give
# guaku's one version.
set -euo pipefail
build_dir=$1 source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
for component in runtime development; do
  cmake --install "$build_dir" --prefix "$prefix" --component "$component" >/dev/null
done
pcdir=$(dirname "$(find "$prefix" -name guaku.pc | head -n1)")
export PKG_CONFIG_PATH=$pcdir
# The .pc file records the configured prefix; point it at the scratch one.
flags=$(pkg-config --define-variable=prefix="$prefix" --cflags --libs guaku)
libdir=$(pkg-config --define-variable=prefix="$prefix" --variable=libdir guaku)
cc -std=c99 -Wall -Wextra -Werror "$source" $flags -o "$prefix/c_caller"
LD_LIBRARY_PATH=$libdir "$prefix/c_caller"

header=$(find "$prefix" -name guaku.h | head -n1)
version=$(sed -n 's/^#define GUAKU_VERSION_\(MAJOR\|MINOR\|PATCH\) \([0-9]*\)$/\2/p' "$header" | paste -sd.)
major=${version%%.*}
soname=$(objdump -p "$libdir/libguaku.so" | sed -n 's/^ *SONAME *//p')
pc_version=$(pkg-config --modversion guaku)
if [ "$pc_version" != "$version" ] || [ "$soname" != "libguaku.so.$major" ] || [ ! -f "$libdir/libguaku.so.$version" ]; then
  echo "guaku.h says $version; guaku.pc says $pc_version; SONAME $soname; files:" $(ls "$libdir")
  exit 1
fi
echo "guaku $version, SONAME $soname"
