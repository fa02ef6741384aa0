#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar --screenshot: a relative name lands in the starting directory, and a
# picture that cannot be written whole exits 1 with a reason and leaves no
# file behind. Usage: screenshot_test.sh VELMAR
set -u
velmar=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VELMAR_DATA_DIR=$work/data XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_failure NAME COMMAND...: exit status 1 and a message naming the picture.
expect_failure() {
    local name=$1
    shift
    "$@" 2>"$work/err"
    local status=$?
    [ "$status" -eq 1 ] || fail "$name: exit status $status"
    grep -q "^velmar: could not write the picture" "$work/err" || fail "$name: no reason given"
}

mkdir -p "$work/start"
(cd "$work/start" && "$velmar" --screenshot shot.png 2>/dev/null) || fail "relative name: exit status $?"
[ -s "$work/start/shot.png" ] || fail "relative name: no picture in the starting directory"
[ ! -e "$work/data/shot.png" ] || fail "relative name: picture written into the data folder"

expect_failure "folder" "$velmar" --screenshot "$work/start"
expect_failure "full device" "$velmar" --screenshot /dev/full
# A file size limit stands in for a full disk.
expect_failure "full disk" bash -c 'trap "" XFSZ; ulimit -f 8; exec "$0" --screenshot "$1"' \
    "$velmar" "$work/start/big.png"
[ -z "$(ls "$work/start" | grep big)" ] || fail "full disk: a partial picture was left"

[ "$failures" -eq 0 ] && echo "all screenshot checks passed"
exit "$failures"
