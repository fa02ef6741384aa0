#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar-cli end to end: every subcommand on a small fixture with one output
# line per input line (empty and over-long lines included), conflicting
# inputs, strict arguments, and exit status 2 for bad options, unreadable
# input and unwritable output.
# Usage: cli_test.sh VELMAR_CLI [--no-memory-limit]
set -u
cli=$1
memoryLimit=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect NAME ACTUAL EXPECTED
expect() { [ "$2" == "$3" ] || fail "$1: got '$2', expected '$3'"; }

puzzle='4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........'
puzzle=${puzzle//./0} # '.' is an entry for check
twins="44${puzzle:2}" # two equal givens in row A
# As a position line: givens, every other cell open without marks.
position() { awk '{ for (i = 1; i <= 81; i++) { c = substr($0, i, 1)
                    printf "%s%s", (i > 1 ? "," : ""), (c ~ /[1-9]/ ? "1" c : "3") } print "" }'; }
long=$(head -c 70000 /dev/zero | tr '\0' '5')
printf '%s\n\n%s\n%s\r\n' "$puzzle" "$long" "$twins" >"$work/puzzles"
{ echo "$puzzle" | position; echo; echo "$long"; echo "$twins" | position; } >"$work/positions"

# run NAME INPUT ARGS...: the output in $out, one check of the line count.
run() {
    local name=$1 input=$2
    shift 2
    out=$("$cli" "$@" "$input")
    local status=$?
    expect "$name status" "$status" 0
    expect "$name lines" "$(printf '%s\n' "$out" | wc -l)" 4
}
field() { printf '%s\n' "$out" | sed -n "${1}p" | cut -f"$2"; }

run check "$work/puzzles" check
expect "check" "$(echo $out)" "1 1 0 0"
run solve "$work/puzzles" solve
expect "solve" "$(printf '%s\n' "$out" | cut -c1-2 | tr -d ' ' | paste -sd' ')" "0 0 1 1"
expect "solve long" "$(printf '%s\n' "$out" | sed -n 3p)" "1 $(printf '5%.0s' {1..81})"
run unique "$work/puzzles" unique
expect "unique" "$(printf '%s\n' "$out" | cut -c1 | paste -sd' ')" "0 2 1 1"
expect "unique long" "$(printf '%s\n' "$out" | sed -n 3p)" "1 - -"
run rate "$work/puzzles" rate
expect "rate puzzle" "$(field 1 1)" "$puzzle"
expect "rate long" "$(printf '%s\n' "$out" | sed -n 3p)" "$(printf '5%.0s' {1..81})	too long"
expect "rate twins" "$(printf '%s\n' "$out" | sed -n 4p)" "$twins	conflict	A1 A2"
run hint "$work/positions" hint --pencil
expect "hint" "$(field 1 1)" "In the lower left block, I3 must be 7"
expect "hint empty and long" "$(printf '%s\n' "$out" | sed -n 2,3p | paste -sd' ')" \
    "invalid position line invalid position line"
expect "hint twins" "$(printf '%s\n' "$out" | sed -n 4p)" "conflicting digits	A1 A2"
# The advanced techniques: the same lines with the difficulty and the
# hardest technique at the end; this puzzle stumps the default techniques.
run "rate extended" "$work/puzzles" rate --extended
expect "rate extended" "$(field 1 14-16)" "0	9.3	Forcing Net"
expect "rate extended long" "$(printf '%s\n' "$out" | sed -n 3p)" "$(printf '5%.0s' {1..81})	too long"
run "hint extended" "$work/positions" hint --pencil --extended
expect "hint extended" "$(field 1 1,3-4)" "In the lower left block, I3 must be 7	1.2	Hidden Single"
run "hint stage 1" "$work/positions" hint --pencil --stage 1
expect "hint stage 1" "$(field 1 1-2)" "Look for a hidden single	"
run "hint stage 2" "$work/positions" hint --pencil --extended --stage 2
expect "hint stage 2" "$(field 1 1,3-4)" "Look for a hidden single in the lower left block	1.2	Hidden Single"
path=$(head -1 "$work/positions" | "$cli" hint --pencil --extended --path)
expect "hint path" "$(printf '%s\n' "$path" | grep hardest | cut -f2,3,5)" "Forcing Net	9.3	hardest"
expect "hint path end" "$(printf '%s\n' "$path" | tail -1)" "Solved!"
expect "practice" "$("$cli" practice two-string_KITE --count 3 | "$cli" hint --extended | cut -f4 | uniq -c | tr -s ' ')" \
    " 3 Two-String Kite"
expect "practice list" "$("$cli" practice --list | head -1 | cut -f1,2)" "Hidden Single	20"
expect "deal" "$(VELMAR_SEED=5 "$cli" deal 2 --count 3 | wc -l)" 3
expect "deal 5" "$("$cli" deal 5 2>&1)" "velmar-cli deal: the LEVEL must be 0..4, not 5"

# A byte-order mark before the first line is skipped by every line reader.
printf '\xEF\xBB\xBF%s\n' "$puzzle" >"$work/bom"
printf '%s\n' "$puzzle" >"$work/plain"
for command in check solve unique rate; do
    expect "$command after a byte-order mark" "$("$cli" $command "$work/bom")" \
        "$("$cli" $command "$work/plain")"
done
{ printf '\xEF\xBB\xBF'; echo "$puzzle" | position; } >"$work/bom-position"
expect "hint after a byte-order mark" "$("$cli" hint "$work/bom-position")" \
    "$(echo "$puzzle" | position | "$cli" hint)"

# Usage errors: one line on standard error, status 2.
for args in "check --nonsense" "rate --step" "hint --stage 4" "hint --stage" "practice nosuch" "practice" "practice x-wing --count" "deal 1 --count 5x" "deal 1 --count 1e3" \
    "deal 1 --count 0x10" "deal 1 --count 99999999999999999999" "deal 1 --count" "deal 7" "bank" "frobnicate"; do
    # shellcheck disable=SC2086
    "$cli" $args </dev/null >/dev/null 2>"$work/err"
    expect "'$args' status" "$?" 2
    expect "'$args' message" "$(wc -l <"$work/err")" 1
done
VELMAR_SEED=abc "$cli" deal 1 >/dev/null 2>"$work/err"
grep -q 'VELMAR_SEED "abc" is not a decimal number' "$work/err" || fail "VELMAR_SEED=abc: no warning"

# Failed input and output.
"$cli" check <"$work" >/dev/null 2>"$work/err"
expect "folder as input" "$?:$(cat "$work/err")" \
    "2:velmar-cli check: error while reading standard input: Is a directory"
"$cli" solve "$work/nothing" >/dev/null 2>/dev/null
expect "missing file" "$?" 2
# (bank --check takes seconds; it shares the one exit path with --help.)
echo "$puzzle" | position >"$work/position"
for args in "solve $work/puzzles" "deal 1 --count 3" "--help" "print $work/position"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/full 2>"$work/err"
    expect "'$args' to a full disk" "$?:$(grep -c 'error while writing standard output: No space left on device' "$work/err")" "2:1"
done

# An endless line in bounded memory: 300 MB of zeros under a 50 MB limit.
if [ "$memoryLimit" != "--no-memory-limit" ]; then
    expect "endless line" "$(ulimit -v 51200; head -c 300000000 /dev/zero | "$cli" check)" 0
fi

[ "$failures" -eq 0 ] && echo "all velmar-cli checks passed"
exit "$failures"
