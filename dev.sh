#!/usr/bin/env bash
# Sudoku Velmar's one entry point for developers.
#   ./dev.sh play        install what is missing, build in Release and start the game
#   ./dev.sh test        install what is missing, build and run every test (an install check included)
#   ./dev.sh package     build in Release and make the Debian package build/velmar_<version>_amd64.deb
#   ./dev.sh bench       build in Release and run the benchmarks
#   ./dev.sh fuzz [SEC]  build the libFuzzer targets with clang and run each for SEC seconds
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
packages=(cmake g++ make qt6-base-dev libjpeg-dev xvfb xauth imagemagick fonts-liberation
          fonts-noto-cjk libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
          desktop-file-utils appstream shared-mime-info dpkg-dev lintian)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure DIR [cmake options...]
configure() {
    local dir=$1
    shift
    # ccache, when present, makes rebuilds after a branch switch cheap.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
    cmake --build "$root/$dir" -j"$jobs"
}

# Tests never touch the real user folders and need no screen.
test_environment() {
    local home
    home=$(mktemp -d)
    mkdir -p "$home/config" "$home/data" "$home/runtime"
    chmod 700 "$home/runtime"
    export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime"
    export QT_QPA_PLATFORM=offscreen
    # The shared puzzle lists, when present, feed the hint engine's soundness test.
    local puzzles=${VELMAR_BENCH_DIR:-$root/../shared/bench}
    [ -d "$puzzles" ] && export VELMAR_PUZZLE_DIR="$puzzles"
    return 0
}

play() {
    install_missing
    configure build
    if [ -x "$root/build/src/ui/velmar" ]; then
        exec "$root/build/src/ui/velmar" "$@"
    fi
    exec "$root/build/src/app/velmar-cli" --help
}

run_tests() {
    install_missing
    test_environment
    echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    configure build-asan -DVELMAR_SANITIZE=ON -DVELMAR_GUI=OFF -DVELMAR_BENCH=OFF
    (cd "$root/build-asan" && VELMAR_DIFF_COUNT=1500 ctest -j"$jobs" --output-on-failure)
    echo "== All tests, Release build"
    configure build
    (cd "$root/build" && ctest -j"$jobs" --output-on-failure)
    echo "== Parallel and killed writers of the saved games"
    "$root/tools/stress_games.sh" -n 12 -k 6 -c "$root/build/src/app/velmar-cli"
    echo "== The Debian package: unpacked, run and checked by lintian"
    make_package
    "$root/tests/install/check_package.sh" "$root"/build/velmar_*_amd64.deb
    if [ -n "${VELMAR_PUZZLE_DIR:-}" ]; then
        echo "== The advanced ladder's soundness on the first 300 puzzles of each shared file"
        "$root/tools/check_soundness.sh" -x -n 300 -c "$root/build/src/app/velmar-cli" "$VELMAR_PUZZLE_DIR"/*.txt
    fi
}

# The Debian package from the Release build in build/ (CPack, with the
# dependencies worked out by dpkg-shlibdeps).
make_package() {
    rm -f "$root"/build/velmar_*_amd64.deb
    (cd "$root/build" && cpack -G DEB >/dev/null)
    ls "$root"/build/velmar_*_amd64.deb
}

package() {
    install_missing
    configure build
    make_package
}

bench() {
    install_missing
    configure build
    local data=${VELMAR_BENCH_DIR:-$root/../shared/bench}
    echo "== Uniqueness test per puzzle"
    "$root/build/bench/solver_bench" "$data"/puzzles2_17_clue.txt "$data"/random_minimal_20k.txt \
        "$data"/puzzles3_magictour_top1465.txt "$data"/puzzles5_forum_hardest_1905_11plus.txt
    echo "== The literal reference search, first 50 puzzles of each file, for scale"
    "$root/build/bench/solver_bench" --literal 50 "$data"/puzzles2_17_clue.txt "$data"/random_minimal_20k.txt \
        "$data"/puzzles3_magictour_top1465.txt "$data"/puzzles5_forum_hardest_1905_11plus.txt
    echo "== Uniqueness test on inputs built to be hard"
    "$root/build/bench/solver_bench" --adversarial "$data"/puzzles2_17_clue.txt \
        "$data"/puzzles3_magictour_top1465.txt "$data"/puzzles5_forum_hardest_1905_11plus.txt
    echo "== Hint engine: one step and a whole rating"
    "$root/build/bench/hints_bench" --lines 20000 "$data"/puzzles3_magictour_top1465.txt "$data"/random_minimal_20k.txt
    "$root/build/bench/hints_bench" --lines 2000 "$data"/puzzles2_17_clue.txt "$data"/puzzles5_forum_hardest_1905_11plus.txt
    echo "== The advanced ladder: finish rates, rating and step times, techniques, difficulty"
    "$root/build/bench/ladder_bench" "$data"/puzzles3_magictour_top1465.txt
    "$root/build/bench/ladder_bench" --lines 1000 "$data"/puzzles5_forum_hardest_1905_11plus.txt
    "$root/build/bench/ladder_bench" --lines 20000 "$data"/random_minimal_20k.txt "$data"/puzzles2_17_clue.txt
    echo "== The solution path from the givens, advanced ladder on (window target 250 ms)"
    "$root/build/bench/solution_path_bench" "$data"/puzzles3_magictour_top1465.txt
    echo "== The ladder's difficulty against published ratings (held-out Sudoku Exchange sample)"
    "$root/tools/rank_correlation.sh" -c "$root/build/src/app/velmar-cli" \
        "$root/bench/data/sudoku_exchange_diabolical_heldout.txt"
    echo "== Puzzle bank"
    "$root/build/bench/bank_bench"
    echo "== Puzzle text import, a megabyte of text"
    "$root/build/bench/import_bench"
    echo "== Settings file with foreign keys"
    "$root/build/bench/settings_bench"
    if [ -x "$root/build/bench/ui_click_bench" ]; then
        echo "== A click on the board, handler and repaint"
        QT_QPA_PLATFORM=offscreen "$root/build/bench/ui_click_bench"
    fi
    if [ -x "$root/build/bench/hint_dialog_bench" ]; then
        echo "== The hint dialog over every game of the bank, opening and each press"
        QT_QPA_PLATFORM=offscreen "$root/build/bench/hint_dialog_bench"
        echo "== The hint dialog with the advanced techniques on the top1465 positions"
        QT_QPA_PLATFORM=offscreen "$root/build/bench/hint_dialog_bench" --advanced \
            "$data"/puzzles3_magictour_top1465.txt
    fi
}

fuzz() {
    install_missing
    local seconds=${1:-60} failed=0
    CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMAR_FUZZ=ON \
        -DVELMAR_GUI=OFF -DVELMAR_TESTS=OFF -DVELMAR_BENCH=OFF >/dev/null
    cmake --build "$root/build-fuzz" -j"$jobs"
    for target in "$root"/build-fuzz/fuzz/fuzz_*; do
        [ -x "$target" ] || continue
        local name corpus log status=0
        name=$(basename "$target")
        corpus="$root/build-fuzz/corpus/$name"
        log="$root/build-fuzz/$name.log"
        mkdir -p "$corpus"
        echo "== $name for ${seconds}s"
        "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$root/build-fuzz/$name-" \
            "$corpus" "$root/fuzz/seeds" >"$log" 2>&1 || status=$?
        grep -E "^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|peak_rss_mb)" "$log" || true
        # Any sanitizer or libFuzzer report is shown whole and fails the run.
        if [ "$status" -ne 0 ] || grep -qE "runtime error:|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|SUMMARY: " "$log"; then
            echo "!! $name failed (status $status), report from $log:"
            grep -E -A 40 "runtime error:|==[0-9]+==ERROR|ERROR: libFuzzer" "$log" | head -n 80
            failed=1
        fi
    done
    return "$failed"
}

case "${1:-}" in
    play) shift; play "$@" ;;
    test) run_tests ;;
    package) package ;;
    bench) bench ;;
    fuzz) shift; fuzz "$@" ;;
    *) sed -n '2,7p' "$0"; exit 2 ;;
esac
