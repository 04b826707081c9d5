#!/usr/bin/env bash
# Installs the Debian packages yaopan needs that are not there yet.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, plus every tool the test suite needs
#   install-deps.sh wine   Wine with its 32-bit (i386) side, for guaku.dll
# The i386 packages come alone, last: a mirror whose i386 side is out of
# step must not keep everything else from being installed. A failing
# install names the package and apt's reason, and exits non-zero.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libjpeg-dev fonts-noto-cjk
  googletest libgtest-dev libbenchmark-dev
  libsqlite3-dev sqlite3 libcli11-dev nlohmann-json3-dev libopencc-dev
  libhowardhinnant-date-dev tzdata
  gettext  # msgfmt builds yaopan-cast's message catalogs; xgettext and msgmerge keep them
)
test_packages=(
  xvfb xauth xdotool unicode-data clang-14 libclang-rt-14-dev binutils
  g++-mingw-w64-i686 binutils-mingw-w64-i686 lintian appstream dpkg-dev file
  libnova-dev  # only for the generator of the astronomical calendar's table
)
wine_packages=(wine wine32:i386)

# A mirror being synced fails one index for a minute or two.
update_attempts=${YAOPAN_APT_UPDATE_ATTEMPTS:-4}
update_pause=${YAOPAN_APT_UPDATE_PAUSE:-20}

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  wine) packages=("${wine_packages[@]}") ;;
  *) echo "usage: $0 [run|test|wine]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

update_indexes() {
  local attempt
  for ((attempt = 1; attempt <= update_attempts; attempt++)); do
    $SUDO apt-get update -qq && return 0
    if ((attempt < update_attempts)); then
      echo "apt-get update failed (attempt $attempt of $update_attempts); again in ${update_pause}s" >&2
      sleep "$update_pause"
    fi
  done
  echo "apt-get update still fails; going on with the indexes that arrived" >&2
}

# apt's own words on why a package cannot be installed: the unmet
# dependencies and the errors, else its last lines.
apt_reason() {
  local reason
  reason=$(grep -E '^E: |^ *[^ ]+ : |^ +(Pre)?Depends:|^ +Conflicts:|^ +Breaks:' <<<"$1" || true)
  [ -n "$reason" ] || reason=$(tail -n 3 <<<"$1")
  sed 's/^ *//' <<<"$reason"
}

echo "installing: ${missing[*]}"
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
update_indexes
if out=$($SUDO apt-get install -y -qq "${missing[@]}" 2>&1); then
  exit 0
fi
# One install for the lot says little about which package failed: try each.
failed=0
for p in "${missing[@]}"; do
  if ! out=$($SUDO apt-get install -y -qq "$p" 2>&1); then
    failed=1
    echo "cannot install $p:" >&2
    apt_reason "$out" | sed 's/^/  /' >&2
  fi
done
exit "$((failed ? 1 : 0))"
