#!/usr/bin/env bash
# Installs the Debian packages yaopan needs that are not there yet.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, plus what the whole test suite needs
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev libjpeg-dev fonts-noto-cjk
  googletest libgtest-dev libbenchmark-dev
)
test_packages=(
  xvfb xauth xdotool unicode-data clang-14 libclang-rt-14-dev binutils
  g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386
)

packages=("${run_packages[@]}")
[ "${1:-run}" = test ] && packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
# Wine runs the 32-bit Windows build of guaku, which needs i386 packages.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
