#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# velmar-cli games: add, list, show, replace, delete, the default file in the
# data folder, and a damaged file left untouched with its line named.
set -euo pipefail
cli=$1
work=$2
rm -rf "$work" && mkdir -p "$work" && cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }

puzzle=530070000600195000098000060800060003400803001700020006060000280000419005000080079
solution=534678912672195348198342567859761423426853791713924856961537284287419635345286179
g=(games --file games.dat)

echo "$puzzle" | "$cli" "${g[@]}" add "Easy one" --level 1
printf '%s\r\n' "${puzzle:0:9}$(printf '.%.0s' {1..72})" | "$cli" "${g[@]}" add "easy one" # several solutions
expect "$("$cli" "${g[@]}" list)" $'Easy one\t1\neasy one\t5' "list"
show=$("$cli" "${g[@]}" show "easy one")
expect "$(sed -n 1,2p <<<"$show")" $'5\n-' "show of an unknown solution"
expect "$("$cli" "${g[@]}" show "Easy one" | sed -n 2p)" "$solution" "the solver's solution"
expect "$(head -c 15 games.dat | od -An -c | tr -s ' ')" " N a m e = E a s y o n e \r \n" "CR LF, no BOM"

# An existing name: refused untouched; --replace moves it to the end.
before=$(md5sum games.dat)
if echo "$puzzle" | "$cli" "${g[@]}" add "Easy one" 2>err.txt; then fail "add over a name"; fi
expect "$(md5sum games.dat)" "$before" "refused add"
grep -q "exists" err.txt || fail "no message for an existing name"
"$cli" "${g[@]}" show "easy one" | sed -n 3p | "$cli" "${g[@]}" add "Easy one" --replace --level 4
expect "$("$cli" "${g[@]}" list)" $'easy one\t5\nEasy one\t4' "replace"

"$cli" "${g[@]}" delete "easy one"
expect "$("$cli" "${g[@]}" list)" $'Easy one\t4' "delete"
if "$cli" "${g[@]}" delete "easy one" 2>/dev/null; then fail "delete of a missing game"; fi

# A damaged file: exit 1, the line named, the file untouched.
sed -i '5s/^3 /x /' games.dat
before=$(md5sum games.dat)
set +e
"$cli" "${g[@]}" list >/dev/null 2>err.txt
status=$?
echo "$puzzle" | "$cli" "${g[@]}" add other 2>/dev/null
status2=$?
set -e
expect "$status $status2" "1 1" "exit status for a damaged file"
grep -q "games.dat, line 5:" err.txt || fail "damaged file message: $(cat err.txt)"
expect "$(md5sum games.dat)" "$before" "damaged file untouched"

# The default file: games.dat in the game window's data folder.
echo "$puzzle" | VELMAR_DATA_DIR=data "$cli" games add one
[ -f data/games.dat ] || fail "VELMAR_DATA_DIR"
echo "$puzzle" | env -u VELMAR_DATA_DIR XDG_DATA_HOME="$work/xdg" "$cli" games add two
[ -f xdg/velmar/games.dat ] || fail "XDG_DATA_HOME"

# Usage errors, and input that is not one line.
set +e
head -c 200000 /dev/zero | tr '\0' 1 | "$cli" games --file big.dat add big 2>/dev/null
expect "$?" 1 "a huge input line"
"$cli" games --file games.dat show 2>/dev/null
expect "$?" 2 "show without a name"
"$cli" games --file games.dat list --level 3 2>/dev/null
expect "$?" 2 "--level outside add"
echo "$puzzle" | "$cli" games --file games.dat add other --level 3x 2>/dev/null
expect "$?" 2 "a level with a suffix"
"$cli" games --file fresh.dat add other <"$work" 2>err.txt
expect "$?:$(cat err.txt)" "2:velmar-cli games: error while reading standard input: Is a directory" \
    "a folder as input"
set -e
echo "cli games: ok"
