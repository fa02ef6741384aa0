#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How well the advanced ladder's difficulty ranks puzzles as a published
# rating does: rates every puzzle of FILE ("81 digits, rating" per line,
# '#' lines are comments) with "velmar-cli rate --extended" and prints the
# Spearman rank correlation of the two (ties take their mean rank), how many
# puzzles were rated and how many ended stumped.
#
# Usage (from the source root): tools/rank_correlation.sh [-c path/to/velmar-cli] FILE
#   bench/data/sudoku_exchange_diabolical_heldout.txt is the held-out sample,
#   bench/data/sudoku_exchange_diabolical_tune.txt the one the values were tuned on.
set -euo pipefail

cli=""
while getopts "c:" opt; do
    case $opt in
    c) cli=$OPTARG ;;
    *) echo "usage: $0 [-c velmar-cli] FILE" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
source "$(dirname "${BASH_SOURCE[0]}")/velmar_cli_path.sh"
if [[ -z $cli || ! -x $cli || $# -ne 1 ]]; then
    echo "usage: $0 [-c velmar-cli] FILE (velmar-cli is looked for under build*/)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grep -v '^#' "$1" | awk -v dir="$work" 'NF >= 2 { print $1 > (dir "/puzzles"); print $2 > (dir "/published") }'
# Result line: puzzle, score, twelve counters (the last one "stumped"),
# difficulty, technique.
"$cli" rate --extended "$work/puzzles" | awk -F'\t' '{ print $15, ($14 > 0 ? "stumped" : "done") }' \
    >"$work/ours"
# Mean ranks of a column of numbers, in input order.
ranks() {
    awk '{ print NR, $1 }' "$1" | sort -k2,2g | awk '
        { line[NR] = $1; value[NR] = $2 }
        END {
            i = 1
            while (i <= NR) {
                j = i
                while (j < NR && value[j + 1] == value[i]) j++
                for (k = i; k <= j; k++) print line[k], (i + j) / 2
                i = j + 1
            }
        }' | sort -k1,1n | awk '{ print $2 }'
}
awk '{ print $1 }' "$work/ours" >"$work/difficulty"
ranks "$work/published" >"$work/rank_published"
ranks "$work/difficulty" >"$work/rank_ours"
paste "$work/rank_published" "$work/rank_ours" "$work/ours" | awk '
    { n++; x[n] = $1; y[n] = $2; sx += $1; sy += $2; if ($4 == "stumped") stumped++ }
    END {
        mx = sx / n; my = sy / n
        for (i = 1; i <= n; i++) {
            cxy += (x[i] - mx) * (y[i] - my); cxx += (x[i] - mx) ^ 2; cyy += (y[i] - my) ^ 2
        }
        printf "%d puzzles, Spearman rho %.3f, %d stumped\n", n, cxy / sqrt(cxx * cyy), stumped + 0
    }'
