// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle_generator.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <chrono>

using velmar::CheckGivens;
using velmar::SolveString;
using velmar::TestUniqueness;
using velmar::TestUniquenessDialog;

namespace {

// A puzzle with one solution (and the solution).
const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// `head`, then `fill` up to 81 characters.
std::string padded(const std::string& head, char fill) {
    std::string out = head;
    out.resize(81, fill);
    return out;
}

bool isValidGrid(const std::string& g) {
    if (g.size() != 81 || g.find('0') != std::string::npos) return false;
    return CheckGivens(g);
}

} // namespace

TEST(CheckGivens, BlanksEntriesAndShortStrings) {
    EXPECT_TRUE(CheckGivens(std::string(81, '0')));
    EXPECT_TRUE(CheckGivens(std::string(81, '*')));
    EXPECT_TRUE(CheckGivens(""));
    EXPECT_TRUE(CheckGivens("12345678"));
    // '.' is an entry like any other character, so two in a row conflict.
    EXPECT_FALSE(CheckGivens(padded("..", '0')));
    EXPECT_FALSE(CheckGivens(padded("5000000005", '0')));   // same column
    EXPECT_FALSE(CheckGivens(padded("50000000005", '0')));  // same box
    EXPECT_TRUE(CheckGivens(padded("5000000000005", '0'))); // row 2, column 4: no peer
    std::string tail(80, '0');
    tail += "\xff\xff"; // only 81 characters count
    EXPECT_TRUE(CheckGivens(tail));
    EXPECT_TRUE(CheckGivens(kSolution));
}

TEST(SolveString, SolvesAndReportsFailures) {
    auto solved = SolveString(kPuzzle);
    EXPECT_EQ(solved.status, 0);
    EXPECT_EQ(solved.grid, kSolution);

    // A full board is not searched: status 1, the board itself.
    solved = SolveString(kSolution);
    EXPECT_EQ(solved.status, 1);
    EXPECT_EQ(solved.grid, kSolution);

    // Conflicting givens: status 1 at once with the input, blanks as '0'.
    solved = SolveString(padded("11", '.'));
    EXPECT_EQ(solved.status, 1);
    EXPECT_EQ(solved.grid, padded("11", '0'));

    // A blank cell whose row, column and box hold all nine digits.
    std::string dead = padded(".12345678", '.');
    dead[9 * 8] = '9'; // I1 holds 9 in column 1
    solved = SolveString(dead);
    EXPECT_EQ(solved.status, 1);
    std::string expected = dead;
    for (char& ch : expected)
        if (ch == '.') ch = '0';
    EXPECT_EQ(solved.grid, expected);

    // Short strings end in blanks; characters after the 81st are ignored.
    EXPECT_EQ(SolveString(kPuzzle.substr(0, 40)).status, 0);
    EXPECT_EQ(SolveString(kPuzzle + "999").grid, kSolution);
}

TEST(SolveString, ReturnsTheLeastSolution) {
    const auto empty = SolveString("");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.grid.substr(0, 9), "123456789");
    EXPECT_TRUE(isValidGrid(empty.grid));
    // Any solution found must not be smaller than the least one.
    EXPECT_EQ(empty.grid,
              "123456789456789123789123456214365897365897214897214365531642978642978531978531642");
}

TEST(TestUniqueness, ResultsAndSolutions) {
    auto report = TestUniqueness(kPuzzle);
    EXPECT_EQ(report.result, velmar::kOneSolution);
    EXPECT_EQ(report.first, kSolution);

    report = TestUniqueness(std::string(81, '.'));
    EXPECT_EQ(report.result, velmar::kSeveralSolutions);
    EXPECT_EQ(report.first.substr(0, 9), "123456789");
    EXPECT_NE(report.second, report.first);
    EXPECT_TRUE(isValidGrid(report.second));

    EXPECT_EQ(TestUniqueness("11").result, velmar::kNoSolution);
    // A full valid grid: no solution from the main window, itself in the dialog.
    EXPECT_EQ(TestUniqueness(kSolution).result, velmar::kNoSolution);
    report = TestUniquenessDialog(kSolution);
    EXPECT_EQ(report.result, velmar::kOneSolution);
    EXPECT_EQ(report.first, kSolution);
    std::string broken = kSolution;
    std::swap(broken[0], broken[1]);
    broken[0] = broken[2];
    EXPECT_EQ(TestUniquenessDialog(broken).result, velmar::kNoSolution);
}

TEST(TestUniqueness, BothSolutionsKeepTheGivens) {
    // On sparse puzzles both solutions are real solutions that keep the givens.
    std::mt19937 rng(7);
    for (int trial = 0; trial < 200; ++trial) {
        const std::string grid = velmar::testing::randomGrid(rng);
        const std::string puzzle = velmar::testing::cutPuzzle(grid, 22, '.', rng);
        const auto r = TestUniqueness(puzzle);
        if (r.result != velmar::kSeveralSolutions) continue;
        EXPECT_TRUE(isValidGrid(r.first));
        EXPECT_TRUE(isValidGrid(r.second));
        EXPECT_NE(r.first, r.second);
        EXPECT_EQ(r.first, SolveString(puzzle).grid);
        for (int i = 0; i < 81; ++i)
            if (puzzle[i] != '.') {
                EXPECT_EQ(r.second[i], puzzle[i]);
            }
    }
}

TEST(TestUniqueness, HardInputsStayFast) {
    // Few givens and contradictions deep in a row-major search must not trap
    // the solver; CTest's timeout guards this test.
    std::mt19937 rng(11);
    for (int i = 0; i < 300; ++i) {
        const std::string grid = velmar::testing::randomGrid(rng);
        std::string puzzle = velmar::testing::cutPuzzle(grid, 17 + i % 10, '.', rng);
        puzzle[80 - i % 9] = static_cast<char>('1' + i % 9);
        const auto r = TestUniqueness(puzzle);
        EXPECT_LE(r.result, 2);
    }
}
