#!/usr/bin/env bash
# scripts/install-deps as a newcomer meets it, on a PATH of stand-ins for dpkg-query, id, sudo and
# apt-get, so that nothing is installed: everything present, a package missing as root, as a user
# with sudo, and as a user without it, who is told the command for root to run.
set -euo pipefail

script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/out" ] && cat "$work/out" >&2
    exit 1
}

# The tools the script needs besides the stand-ins, and nothing else: no real sudo or apt-get.
mkdir "$work/bin"
for tool in env bash grep; do
    ln -s "$(command -v "$tool")" "$work/bin/$tool"
done
stub() {
    printf '#!/bin/bash\n%s\n' "$2" >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}
# Every package is installed but those named in $MISSING.
stub dpkg-query '[[ " $MISSING " == *" ${!#} "* ]] || printf "install ok installed"'
stub id 'echo "$UID_AS"'
stub apt-get 'echo "apt-get $*" >>"$LOG"; exit "${APT_STATUS:-0}"'
sudo_stub='echo "sudo $*" >>"$LOG"; exec "$@"'

# run EXPECTED_STATUS UID MISSING: runs the script, its output in $work/out, its calls in $work/log.
run() {
    : >"$work/log"
    local status=0
    env -i PATH="$work/bin" LOG="$work/log" UID_AS="$2" MISSING="$3" APT_STATUS="${APT_STATUS:-0}" \
        bash "$script" >"$work/out" 2>&1 || status=$?
    [ "$status" -eq "$1" ] || fail "uid $2, missing '$3': status $status, not $1"
}

run 0 1000 ""
[ ! -s "$work/log" ] || fail "with nothing missing it still called: $(cat "$work/log")"

run 0 0 "xdotool lintian"
grep -q '^apt-get install .* xdotool lintian$' "$work/log" || fail "root: no apt-get install of both"

run 1 1000 "xdotool lintian"
[ ! -s "$work/log" ] || fail "without sudo it still called: $(cat "$work/log")"
# What the user is told to hand to root must install the missing packages, not stand for them.
grep -q "apt-get install xdotool lintian'" "$work/out" || fail "without sudo: no command for root"

stub sudo "$sudo_stub"
run 0 1000 "xdotool"
grep -q '^sudo env .*apt-get install .* xdotool$' "$work/log" || fail "a user: apt-get not run by sudo"

APT_STATUS=100 run 100 1000 "xdotool"
echo "install-deps: installs what is missing, by sudo for a user, and says what to do without it"
