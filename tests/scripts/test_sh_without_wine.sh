#!/usr/bin/env bash
# Runs scripts/test.sh and scripts/install-deps.sh against a stand-in apt,
# dpkg, cmake and Wine, to see what they do when a mirror is being synced
# and Wine's i386 side cannot be installed. Nothing on the machine changes.
set -euo pipefail
source_root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

root=$work/root bin=$work/bin
mkdir -p "$root/scripts" "$root/tests/windows" "$bin"
cp "$source_root"/scripts/{test.sh,install-deps.sh,test-windows-dll.sh} "$root/scripts/"
stand_in() { # name, body: a command that logs its call, then runs body
  printf '#!/usr/bin/env bash\necho "%s $*" >>"$CALLS"\n%s\n' "$1" "$2" >"$3/$1"
  chmod +x "$3/$1"
}
stand_in fuzz.sh 'exit 0' "$root/scripts"
stand_in check-packages.sh 'exit 0' "$root/scripts"
stand_in check_dll_exports.sh 'exit 0' "$root/tests/windows"
stand_in wine 'exit 0' "$bin"
stand_in ctest 'exit 0' "$bin"
stand_in sudo 'exec "$@"' "$bin"
stand_in cmake 'while [ $# -gt 0 ]; do [ "$1" = -B ] && mkdir -p "$2"; shift; done' "$bin"
stand_in dpkg '[ "$1" = --print-foreign-architectures ] && echo "${FAKE_FOREIGN:-}"; exit 0' "$bin"
stand_in dpkg-query 'pkg=${!#}
if [ "$FAKE_MISSING" = all ] || [[ " $FAKE_MISSING " == *" $pkg "* ]]; then exit 1; fi
echo "install ok installed"' "$bin"
stand_in apt-get 'case $1 in
update)
  n=$(($(grep -c "^apt-get update" "$CALLS")))
  if [ "$n" -le "${FAKE_UPDATE_FAILURES:-0}" ]; then
    echo "E: Failed to fetch binary-i386/Packages.xz  File has unexpected size. Mirror sync in progress?"; exit 100
  fi ;;
install)
  for p in "$@"; do
    if [[ " $FAKE_BROKEN " == *" $p "* ]]; then
      echo "The following packages have unmet dependencies:"
      echo " $p : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
      echo "E: Unable to correct problems, you have held broken packages."
      exit 100
    fi
  done ;;
esac' "$bin"

export PATH=$bin:$PATH CALLS=$work/calls YAOPAN_APT_UPDATE_PAUSE=0
failures=0
check() { # description, extended regex the output (or the calls, with "calls:") must match
  local where=$out
  [[ $2 == calls:* ]] && where=$(cat "$CALLS")
  if ! grep -Eq -- "${2#calls:}" <<<"$where"; then
    echo "FAIL [$case_name] $1: no /${2#calls:}/ in"; sed 's/^/    /' <<<"$where"; failures=$((failures + 1))
  fi
}
refute() {
  if grep -Eq -- "${2#calls:}" "$CALLS"; then echo "FAIL [$case_name] $1"; failures=$((failures + 1)); fi
}
run() { # case name, expected exit status, command...
  case_name=$1; local want=$2; shift 2
  : >"$CALLS"
  set +e; out=$("$@" 2>&1); local status=$?; set -e
  if [ "$status" != "$want" ]; then
    echo "FAIL [$case_name] exit $status, expected $want"; sed 's/^/    /' <<<"$out"; failures=$((failures + 1))
  fi
}

common=(FAKE_MISSING="xvfb wine wine32:i386" FAKE_UPDATE_FAILURES=2 FAKE_BROKEN=wine32:i386)
run "no wine" 0 env "${common[@]}" "$root/scripts/test.sh"
updates=$(grep -c "^apt-get update" "$CALLS" || true)
[ "$updates" -ge 3 ] || { echo "FAIL [$case_name] the mirror asked $updates times, not again after failing twice"; failures=$((failures + 1)); }
check "the first step installs" "calls:apt-get install .*xvfb"
check "the DLL is still checked" "calls:check_dll_exports.sh"
check "the summary says the Wine run did not happen" "guaku.dll under Wine: not run"
check "with apt's reason" "wine32:i386 : Depends: libwine:i386"
refute "Wine ran although it was not installed" "calls:^wine "

run "no wine, but required" 1 env "${common[@]}" YAOPAN_REQUIRE_WINE=1 "$root/scripts/test.sh"
check "says why it failed" "YAOPAN_REQUIRE_WINE=1"

run "wine installed" 0 env FAKE_MISSING="" "$root/scripts/test.sh"
check "the DLL runs under Wine" "calls:^wine .*guaku_dll_test.exe"
check "the summary says so" "guaku.dll under Wine: passed"

run "a build tool cannot be installed" 1 env FAKE_MISSING="lintian xvfb" FAKE_BROKEN=lintian "$root/scripts/test.sh"
check "names the package and why" "cannot install lintian:"
refute "built without its tools" "calls:^cmake "

run "running needs no i386" 0 env FAKE_MISSING=all "$root/scripts/install-deps.sh" run
refute "i386 asked for" "calls:i386"

[ "$failures" -eq 0 ] && echo "test.sh and install-deps.sh: every case as expected"
exit $((failures > 0))
