#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar-cli copy, print and picture: what they write, and how they refuse bad
# input.
set -u
cli=$1
fail=0
check() { # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\nexpected: %s\nactual:   %s\n' "$1" "$2" "$3"
        fail=1
    fi
}
status() { # status COMMAND... : its exit status, output dropped
    "$@" >/dev/null 2>&1
    echo $?
}

# A given 5 in the first cell, a placed 7 in the last, every other cell open.
line="15"
i=2
while [ $i -le 80 ]; do line="$line,3"; i=$((i + 1)); done
line="$line,27"

check "1*81 with a typed blank" "5$(printf '%079d' 0)7" "$(echo "$line" | "$cli" copy --format 4 --blank ' 0 ')"
check "two boards, one empty line between" "5........
.........
.........
.........
.........
.........
.........
.........
........7

5........" "$(printf '%s\n\n%s\n' "$line" "$line" | "$cli" copy --format=3 | head -n 11)"
check "--fill lists candidates" "|         5  12346789  12346789|" \
    "$(echo "$line" | "$cli" copy --format 2 --fill | sed -n 2p | cut -c1-32)"
# What the clipboard holds reads back through import, placed digits as givens.
for format in 1 2 3 4; do
    check "format $format through import" "5$(printf '%079d' 0 | tr 0 .)7" \
        "$(echo "$line" | "$cli" copy --format $format | "$cli" import --line | sed -n 2p)"
done
check "invalid line" 2 "$(echo "1,2,3" | status "$cli" copy)"
check "unknown format" 2 "$(echo "$line" | status "$cli" copy --format 5)"
check "format with a suffix" 2 "$(echo "$line" | status "$cli" copy --format 1x)"
# An over-long line between two boards: the first is printed, the run stops there.
long=$(head -c 70000 /dev/zero | tr '\0' 3)
err=$(mktemp)
out=$(printf '%s\n%s\n%s\n' "$line" "$long" "$line" | "$cli" copy --format 4 2>"$err"; echo "status $?")
check "over-long line" "5$(printf '%079d' 0 | tr 0 .)7
status 2
velmar-cli copy: standard input line 2: line too long" "$out
$(cat "$err")"
rm -f "$err"
# An endless line is refused at once, not read to its end.
check "endless line" 2 "$(timeout 20 "$cli" copy </dev/zero >/dev/null 2>&1; echo $?)"
check "folder as input" "velmar-cli print: error while reading standard input: Is a directory" \
    "$("$cli" print </ 2>&1 >/dev/null)"
check "page title" "<font size=5>Sudoku</font><br>" "$(echo "$line" | "$cli" print | sed -n 13p | tr -d '\r')"
check "blue placed digit, big paper" 1 \
    "$(echo "$line" | "$cli" print --size big | grep -c 'font-size: 70pt; color: blue; width: 115px')"
check "two lines to print" 2 "$(printf '%s\n%s\n' "$line" "$line" | status "$cli" print)"
check "nothing to print" 2 "$(status "$cli" print </dev/null)"

# picture draws through velmar-picture, built with the game only.
if [ -x "$(dirname "$cli")/velmar-picture" ]; then
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    # The width and height of a PNG file: bytes 17..24, big-endian.
    png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
    echo "$line" | "$cli" picture --out "$dir/board.png" --scale 2
    check "picture at scale 2" "932x924" "$(png_size "$dir/board.png")"
    for name in board.JPG board.jpeg board.Jpeg; do
        echo "$line" | "$cli" picture --out "$dir/$name"
        check "$name gets JPEG data" "ffd8" "$(od -An -tx1 -N2 "$dir/$name" | tr -d ' ')"
    done
    check "picture without --out" 2 "$(echo "$line" | status "$cli" picture)"
    check "picture of an invalid line" 2 "$(echo "1,2" | status "$cli" picture --out "$dir/x.bmp")"
    check "picture scale out of range" 2 "$(echo "$line" | status "$cli" picture --out "$dir/x.bmp" --scale 9)"
    check "picture scale with a sign" 2 "$(echo "$line" | status "$cli" picture --out "$dir/x.bmp" --scale +2)"
    check "nothing written after refusals" "" "$(ls "$dir" | grep x.bmp)"
    check "picture into a missing folder" 2 \
        "$(echo "$line" | status "$cli" picture --out "$dir/missing/x.png")"
fi
exit $fail
