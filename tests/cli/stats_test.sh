#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar-cli stats: the statistics file of the data folder, a missing one
# counting no games, and a damaged one named by line and left untouched.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
export VELMAR_DATA_DIR=$work

expect "$("$cli" stats | sed -n 2p)" $'Very Easy\t0\t0\t0\t-\t-' "no file"
printf 'level,started,finished,without hints,times\r\n0,4,3,1,100 300 95\r\n4,1,1,0,3725\r\n' \
    >"$work/statistics.dat"
out=$("$cli" stats)
expect "$(sed -n 1p <<<"$out")" $'level\tstarted\tfinished\twithout hints\tbest\tmedian' "header"
expect "$(sed -n 2p <<<"$out")" $'Very Easy\t4\t3\t1\t0:01:35\t0:01:40' "very easy"
expect "$(sed -n 6p <<<"$out")" $'Diabolical\t1\t1\t0\t1:02:05\t1:02:05' "diabolical"
expect "$(sed -n 7p <<<"$out" | cut -f1)" "Unknown" "unknown level"

printf 'level,started,finished,without hints,times\r\n0,1,2,0,5 6\r\n' >"$work/statistics.dat"
before=$(md5sum "$work/statistics.dat")
set +e
"$cli" stats >/dev/null 2>"$work/err"
status=$?
"$cli" stats --reset >/dev/null 2>/dev/null
usage=$?
set -e
expect "$status $usage" "1 2" "exit status of a damaged file and of a bad argument"
expect "$(cat "$work/err")" "velmar-cli stats: statistics.dat, line 2: more games finished than started" \
    "damage named by line"
expect "$(md5sum "$work/statistics.dat")" "$before" "damaged file untouched"
echo "cli stats: ok"
