#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Soundness of the hint engine: rates puzzles with "velmar-cli rate --steps
# --trace", solves them with "velmar-cli solve", and checks that no engine
# state ever removes a solution digit or places a wrong one. Prints per file
# how many puzzles the engine solves, is stumped on or finds no solution for.
#
# The puzzles must have one solution ("solve" gives the least one).
#
# Usage (from the source root): tools/check_soundness.sh [-x] [-n LINES] [-c path/to/velmar-cli] FILE...
#   -x        rate with the advanced ladder ("rate --extended"); the summary
#             then also gives the hardest difficulty and the steps per technique
#   -n LINES  only the first LINES non-empty lines of each file (default: all)
#   -c CLI    the velmar-cli to run (default: build/ or build-*/src/app/velmar-cli)
# Exit status 1 when any state is unsound.
set -euo pipefail

cli=""
limit=0
extended=()
while getopts "xn:c:" opt; do
    case $opt in
    x) extended=(--extended) ;;
    n) limit=$OPTARG ;;
    c) cli=$OPTARG ;;
    *) echo "usage: $0 [-x] [-n LINES] [-c velmar-cli] FILE..." >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
source "$(dirname "${BASH_SOURCE[0]}")/velmar_cli_path.sh"
if [[ -z $cli || ! -x $cli ]]; then
    echo "velmar-cli not found; pass it with -c" >&2
    exit 2
fi
if [[ $# -eq 0 ]]; then
    echo "usage: $0 [-x] [-n LINES] [-c velmar-cli] FILE..." >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for file in "$@"; do
    awk -v limit="$limit" 'length($0) > 0 { print; if (++count == limit) exit }' "$file" \
        >"$work/puzzles"
    "$cli" solve "$work/puzzles" >"$work/solutions"
    "$cli" rate "${extended[@]}" --steps --trace "$work/puzzles" >"$work/rating"
    if ! awk -v name="$(basename "$file")" '
        NR == FNR { solution[NR] = $2; solvable[NR] = ($1 == "0"); next }
        /^state\t/ {
            if (!solvable[n + 1]) next
            split(substr($0, 7), cells, ",")
            for (i = 1; i <= 81; i++) {
                digit = substr(solution[n + 1], i, 1)
                if (substr(cells[i], 1, 1) == "+") {
                    if (index(cells[i], digit) == 0) { bad++; break }
                } else if (cells[i] != digit) { bad++; break }
            }
            next
        }
        /\t/ {
            n++
            if (last == "Solved!") solved++
            else if (last == "I'\''m stumped!") stumped++
            else nosolution++
            next
        }
        { last = $0; sub(/---.*$/, "", last) }
        END {
            printf "%s: %d puzzles, %d solved, %d stumped, %d no solution, %d unsound states\n",
                name, n, solved, stumped, nosolution, bad
            exit bad > 0
        }' "$work/solutions" "$work/rating"; then
        status=1
    fi
done
exit $status
