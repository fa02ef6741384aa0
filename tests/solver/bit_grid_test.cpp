// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle_generator.h"
#include "solver/bit_grid.h"

#include <gtest/gtest.h>

using velmar::solver::BitGrid;

TEST(BitGrid, LeastSolutionPastTheQuickSearchBudget) {
    // Past its budget the row-major search hands over to settling cells one by
    // one; both ways must give the same least solution.
    std::mt19937 rng(2026);
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const std::string grid = velmar::testing::randomGrid(rng);
        const std::string puzzle = velmar::testing::cutPuzzle(grid, 17 + trial % 12, '.', rng);
        BitGrid start;
        ASSERT_TRUE(start.loadGivens(puzzle));
        std::string settled, searched;
        ASSERT_TRUE(start.leastSolution(settled, 0));
        ASSERT_TRUE(start.leastSolution(searched, 1 << 20));
        EXPECT_EQ(settled, searched) << puzzle;
        compared += settled != grid; // the least solution is not always the grid cut
    }
    EXPECT_GT(compared, 100);
}

TEST(BitGrid, PlaceStopsAtSingles) {
    // Box 1 keeps digit 1 in row A only, so the search's propagation takes 1
    // out of A4; place() finds singles only, and the bank generator relies on
    // the candidates it leaves.
    const std::string givens = "........."
                               "234......"
                               "567......";
    BitGrid placed;
    for (int cell = 0; cell < 27; ++cell) {
        if (givens[cell] != '.') {
            ASSERT_TRUE(placed.place(cell, givens[cell] - '0'));
        }
    }
    EXPECT_EQ(placed.candidates(3), 0x1FF);       // A4 keeps every digit
    EXPECT_EQ(placed.candidates(0), 0b110000001); // A1: 1, 8, 9
    EXPECT_EQ(placed.value(9), 2);
    EXPECT_TRUE(placed.place(9, 2));  // the same digit again
    EXPECT_FALSE(placed.place(9, 3)); // another digit on a placed cell
    EXPECT_FALSE(placed.place(1, 2)); // not a candidate

    BitGrid loaded;
    ASSERT_TRUE(loaded.loadGivens(givens));
    EXPECT_EQ(loaded.candidates(3) & 1, 0);
}
