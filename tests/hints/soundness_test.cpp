// SPDX-License-Identifier: GPL-3.0-or-later
// Soundness: on puzzles with one solution the engine never removes a solution
// digit and never places a wrong one, whatever techniques it uses.
#include "hints/engine_layout.h"
#include "hints/puzzle_rating.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace velmar {
namespace {

// From well-known collections: hardest lists, random minimal puzzles and
// 17-clue puzzles, so every technique family is exercised.
const std::vector<std::string> kPuzzles = {
    ".4..1.2.......9.7..1..........43.6..8......5....2.....7.5..8......6..3..9........",
    "6.....3...5..9..8...2..6..98.....7...7..5..4......1..51..3..5...4..2..6...8..7..2",
    "1....759..7..9......64........8.....63.....4..9.54.3.232......4...9...8....1.4..7",
    "8...3............6....6258.5..9...1.....7.9.3..9...26.4....9.5..9....8..2.58.....",
    "..3.8.......5.....7.84...3.8.9..6..74..7...6.......1...32...54.5....367.........9",
    ".2...34.75...74......6.........1.8...81.....2.....9.7383....9.........6.4..9.2.3.",
    "..1.......2..8.3.1..4.63......4...3.....95...9....16.2.6....4.7..57.....7....98..",
    "4.....3.....8.2......7........1...8734.......6........5...6........1.4...82......",
    ".....75....93....8....1..2..6...39...5....46.4...8.2..9...76......8...51.3..4....",
    "1..7.8.3.9....41...47..........9..51..........1.527..63....15......4...24..8.....",
    "4....2..3.......7...7..6.92...8...61..6.7....15..3.7...7..29.5.9.5...4......8....",
    "2..8.36...3.6...4...8.9........342..7.3.....1....1...9.6...1...1.....7..827......",
    ".6.3.815.....5.....9.........29.....41..6..2...7...9.....8....7..5.138..1....6.4.",
    "..5...3...1.8........4..8724.......95.2......8....36.........8.....29..3..6..1.4.",
    ".................1.....2.3......425...6.......17....8.....7...64...6....9..8...1.",
    "................12..3..4..5.......6.....783..29............6.....7.....9.6.21....",
    "................12..3.45........6......1....7..4..85.......93...2.......71.8.....",
    "..............1..2..3...45......6.......72..1.84....9....8...3.1........26.......",
    "..............1..2.34....5......6.......34...2.5.....7...54....1.....6.87........",
    "98.7..6..7.5.......4..5....3..8..9......2..1......13.42...8..93.7....2....92...6.",
    "98.76.5..7..5...9...5...6..4.........78..32....987..5...738..6.......1..........3",
    "98.7..6..7...5......4..8.7.4....3.9..9.........3.2...1.4...7.3....5..2.....36.1..",
};

// Rates the puzzle and checks every engine state against its solution.
// Counts unsound states and tells whether the engine solved the puzzle.
void expectSound(const std::string& puzzle, int& unsoundStates, bool& solved,
                 bool advanced = false) {
    const UniquenessReport report = TestUniqueness(puzzle);
    ASSERT_EQ(report.result, kOneSolution) << puzzle;
    const std::string& solution = report.first;
    RatingObserver observer;
    observer.state = [&](const HintEngine& engine) {
        for (int i = 0; i < 81; ++i) {
            const int e = hints::engineCellOfIndex(i);
            const int digit = solution[i] - '0';
            const bool fine = engine.placed(e) != 0
                                  ? engine.placed(e) == digit
                                  : (engine.candidates(e) & (1u << (digit - 1))) != 0;
            if (!fine) {
                ++unsoundStates;
                ADD_FAILURE() << puzzle << ": cell " << i << " after \"" << engine.hint().sentence
                              << "\"";
                return;
            }
        }
    };
    HintEngine engine;
    engine.setAdvanced(advanced);
    RatePuzzleLine(engine, puzzle, observer);
    solved = engine.outcome() == kOutcomeSolved;
    EXPECT_NE(engine.outcome(), kOutcomeNoSolution) << puzzle;
}

TEST(Soundness, EmbeddedPuzzles) {
    int unsound = 0;
    int solvedCount = 0;
    for (const std::string& puzzle : kPuzzles) {
        bool solved = false;
        expectSound(puzzle, unsound, solved);
        solvedCount += solved;
    }
    EXPECT_EQ(unsound, 0);
    EXPECT_GE(solvedCount, 12);
}

// The advanced ladder finishes them, soundly: every family of its techniques
// up to a nested forcing net (the slowest few are left to
// tools/check_soundness.sh -x, which runs whole files).
TEST(Soundness, EmbeddedPuzzlesWithTheAdvancedLadder) {
    int unsound = 0;
    for (std::size_t i = 4; i + 2 < kPuzzles.size(); ++i) {
        if (i == 6) continue;
        const std::string& puzzle = kPuzzles[i];
        bool solved = false;
        expectSound(puzzle, unsound, solved, true);
        EXPECT_TRUE(solved) << puzzle;
    }
    EXPECT_EQ(unsound, 0);
}

// More puzzles from a folder of puzzle lists named by VELMAR_PUZZLE_DIR (for
// instance the benchmark sets); skipped when it is not set.
TEST(Soundness, PuzzleFiles) {
    const char* dir = std::getenv("VELMAR_PUZZLE_DIR");
    if (dir == nullptr) GTEST_SKIP() << "VELMAR_PUZZLE_DIR not set";
    int unsound = 0;
    for (const char* name :
         {"puzzles3_magictour_top1465.txt", "random_minimal_20k.txt", "puzzles2_17_clue.txt"}) {
        std::ifstream in(std::string(dir) + "/" + name);
        std::string line;
        for (int count = 0; count < 150 && std::getline(in, line); ++count) {
            bool solved = false;
            expectSound(line, unsound, solved);
        }
    }
    EXPECT_EQ(unsound, 0);
}

} // namespace
} // namespace velmar
