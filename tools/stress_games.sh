#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# stress_games.sh [-n WRITERS] [-k KILLS] [-c VELMAR_CLI]: what survives other
# programs writing games.dat at the same time, and writers killed mid-write.
#   1. WRITERS parallel "velmar-cli games add" on one file: every game is kept;
#   2. KILLS writers killed (SIGKILL) at random moments while adding to a
#      large file: no temporary file is left once the next write has run, and
#      the file still reads whole;
#   3. a symlinked games file stays a link after a write.
# Prints the figures; exit status 1 when any check fails.
set -euo pipefail
writers=40
kills=20
cli=""
while getopts "n:k:c:" opt; do
    case $opt in
    n) writers=$OPTARG ;;
    k) kills=$OPTARG ;;
    c) cli=$OPTARG ;;
    *) exit 2 ;;
    esac
done
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=${cli:-$root/build/src/app/velmar-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
puzzle=$(printf '%081d' 0)

# 1. parallel adds
file=$work/games.dat
pids=()
for i in $(seq 1 "$writers"); do
    echo "$puzzle" | "$cli" games --file "$file" add "game $i" &
    pids+=($!)
done
errors=0
for pid in "${pids[@]}"; do wait "$pid" || errors=$((errors + 1)); done
kept=$("$cli" games --file "$file" list | wc -l)
echo "parallel adds: $kept kept of $writers made ($errors writers failed)"
[ "$kept" -eq "$writers" ] || failed=1

# 2. kills during writes on a larger file
big=$work/big.dat
for i in $(seq 1 400); do echo "$puzzle" | "$cli" games --file "$big" add "base $i"; done
for i in $(seq 1 "$kills"); do
    echo "$puzzle" | "$cli" games --file "$big" add "killed $i" &
    pid=$!
    sleep "0.00$((RANDOM % 10))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
echo "$puzzle" | "$cli" games --file "$big" add "after the kills"
left=$(find "$work" -name 'big.dat.tmp*' | wc -l)
readable=yes
"$cli" games --file "$big" list >/dev/null || { readable=no; failed=1; }
echo "kills during writes: $kills, leftover temporary files: $left, file reads whole: $readable"
[ "$left" -eq 0 ] || failed=1

# 3. a symlinked file
mkdir "$work/synced"
ln -s synced/games.dat "$work/link.dat"
echo "$puzzle" | "$cli" games --file "$work/link.dat" add linked
if [ -L "$work/link.dat" ] && [ -f "$work/synced/games.dat" ]; then
    echo "symlinked file: still a link, the game written to its target"
else
    echo "symlinked file: the link was replaced"
    failed=1
fi
exit $failed
