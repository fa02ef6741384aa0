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
