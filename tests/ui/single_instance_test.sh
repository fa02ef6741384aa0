#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two starts of the game on one data folder: the second hands its file to the
# running game and ends at once without touching the data folder, and the
# running game opens the file; a socket left by a killed game does not keep
# the next start from playing.
set -euo pipefail
velmar=$1
work=$2
rm -rf "$work" && mkdir -p "$work/data" "$work/deal" "$work/config" "$work/runtime" && chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen VELMAR_SEED=11
fail() { echo "FAIL: $*" >&2; kill -9 $(jobs -p) 2>/dev/null || true; exit 1; }
wait_for() {
    for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done
    return 1
}

# A replay to hand over: the last game of a dealt game in another folder.
VELMAR_DATA_DIR="$work/deal" "$velmar" --new-game 2 &
pid=$!
wait_for '[ -s "$work/deal/lastgame.dat" ]' || fail "no game dealt"
kill -TERM $pid && wait $pid
cp "$work/deal/lastgame.dat" "$work/game.vrp"

export VELMAR_DATA_DIR="$work/data"
"$velmar" &
first=$!
wait_for '[ -S "$(ls -d "$work"/runtime/velmar-* 2>/dev/null | head -n 1)" ]' || fail "the game does not listen"
start=$(date +%s%N)
timeout 10 "$velmar" "$work/game.vrp" || fail "the second start did not end by itself (status $?)"
[ $(( ($(date +%s%N) - start) / 1000000 )) -lt 3000 ] || fail "the second start took over 3 s"
kill -0 $first 2>/dev/null || fail "the first game ended"
# The running game plays the replay, so it keeps it as its last game.
wait_for 'cmp -s "$work/game.vrp" "$work/data/lastgame.dat"' || fail "the running game did not open the file"

# Killed: its socket stays behind, and the next start is a game of its own.
kill -9 $first && wait $first 2>/dev/null || true
"$velmar" &
next=$!
sleep 2
kill -0 $next 2>/dev/null || fail "a stale socket stopped the next start"
kill -TERM $next && wait $next || fail "the next start did not end cleanly"
echo "single instance: ok"
