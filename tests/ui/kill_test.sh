#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a process: a game dealt and then killed (kill -9) is in
# "lastgame.dat" all the same; SIGTERM ends the game cleanly; a run without a
# game, ended so, leaves the previous run's last game as it was.
set -euo pipefail
velmar=$1
work=$2
rm -rf "$work" && mkdir -p "$work/data" "$work/config" "$work/runtime" && chmod 700 "$work/runtime"
export VELMAR_DATA_DIR="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen VELMAR_SEED=7
last="$work/data/lastgame.dat"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to ten seconds for a file to exist.
wait_for() {
    for _ in $(seq 100); do [ -e "$1" ] && return 0; sleep 0.1; done
    return 1
}

"$velmar" --new-game 3 &
pid=$!
wait_for "$last" || { kill -9 $pid; fail "no last game after the deal"; }
sleep 0.5
kill -9 $pid
wait $pid 2>/dev/null || true
[ "$(wc -l <"$last")" -eq 3 ] || fail "the killed game's file has not 3 lines"
head -c 2 "$last" | grep -q "^3 " || fail "the level of the killed game"
grep -q $'\r$' "$last" || fail "no CR LF"
kept=$(md5sum <"$last")

# No game this time: SIGTERM quits cleanly and keeps the previous game.
"$velmar" &
pid=$!
sleep 2
kill -TERM $pid
status=0
wait $pid || status=$?
[ $status -eq 0 ] || fail "SIGTERM did not end the game cleanly (status $status)"
[ "$(md5sum <"$last")" == "$kept" ] || fail "a run without a game replaced the last game"

# A picture of the window deals a game of its own but leaves the last game.
"$velmar" --screenshot "$work/shot.png" --new-game 1 2>/dev/null
[ -s "$work/shot.png" ] || fail "no screenshot"
[ "$(md5sum <"$last")" == "$kept" ] || fail "a screenshot run replaced the last game"
