#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar-cli import: output lines, exit statuses and messages.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

example1=086009000003200000002004903004000000005000700697041230008050001001760000059000006

# A file with a byte-order mark and CR LF lines: layout 1, givens as "2d",
# blanks with the candidates their given peers leave.
printf '\xEF\xBB\xBF  %s\r\n\r\n' "$example1" >"$work/one.txt"
out=$("$cli" import "$work/one.txt")
[[ $(sed -n 1p <<<"$out") == 1 ]] || fail "layout of Example 1: $out"
line=$(sed -n 2p <<<"$out")
[[ $line == 31457,28,26,3135,3137,29,* ]] || fail "position line: $line"
[[ $(tr -cd , <<<"$line" | wc -c) == 80 ]] || fail "81 entries: $line"
[[ $("$cli" import --line <"$work/one.txt" | sed -n 2p) == "${example1//0/.}" ]] || fail "--line"

# Not a puzzle: layout 0 on standard output, the message on standard error.
set +e
out=$(printf 'no puzzle here\n' | "$cli" import 2>"$work/err")
status=$?
set -e
[[ $status == 1 && $out == 0 && $(cat "$work/err") == "Invalid format." ]] ||
    fail "invalid text: status $status, out '$out', err '$(cat "$work/err")'"

# Too large an input and usage errors: status 2 with one line.
set +e
head -c $((16 * 1024 * 1024 + 1)) /dev/zero | "$cli" import >/dev/null 2>"$work/err"
status=$?
"$cli" import "$work/missing.txt" >/dev/null 2>>"$work/err"
status2=$?
"$cli" import <"$work" >/dev/null 2>>"$work/err"
status3=$?
set -e
[[ $status == 2 && $status2 == 2 && $status3 == 2 && $(wc -l <"$work/err") == 3 ]] ||
    fail "limits: $status $status2 $status3"
grep -q "import: standard input is larger than 16777216 bytes" "$work/err" || fail "size message"
grep -q "error while reading standard input: Is a directory" "$work/err" || fail "read error"
echo "cli import: ok"
