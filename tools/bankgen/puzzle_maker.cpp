// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle_maker.h"

#include "solver/bit_grid.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace velmar::bankgen {

namespace {

bool hasOneSolution(const std::string& puzzle) {
    solver::BitGrid grid;
    return grid.loadGivens(puzzle) && grid.countSolutions(2, nullptr) == 1;
}

} // namespace

std::string RandomSolutionGrid(std::mt19937_64& rng) {
    for (;;) {
        solver::BitGrid grid;
        std::string solution;
        for (int tries = 0; tries < 200; ++tries) {
            std::array<int, 81> open{};
            int n = 0;
            for (int i = 0; i < 81; ++i)
                if (grid.value(i) == 0) open[n++] = i;
            if (n == 0) return grid.digits();
            const int cell = open[std::uniform_int_distribution<int>(0, n - 1)(rng)];
            std::array<int, 9> digits{};
            int m = 0;
            for (int d = 1; d <= 9; ++d)
                if (grid.candidates(cell) & (1u << (d - 1))) digits[m++] = d;
            const int digit = digits[std::uniform_int_distribution<int>(0, m - 1)(rng)];
            solver::BitGrid trial = grid;
            if (!trial.place(cell, digit)) continue;
            const int count = trial.countSolutions(2, &solution);
            if (count == 0) continue;
            if (count == 1) return solution;
            grid = trial;
        }
    }
}

std::string DigPuzzle(const std::string& grid, int keepAtLeast, std::mt19937_64& rng) {
    // Cells 0..40 each stand for themselves and their mirror 80 - i.
    std::array<int, 41> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    std::string puzzle = grid;
    int givens = 81;
    for (int cell : order) {
        const int mirror = 80 - cell;
        const int removed = cell == mirror ? 1 : 2;
        if (givens - removed < keepAtLeast) break;
        std::string trial = puzzle;
        trial[cell] = trial[mirror] = '.';
        if (!hasOneSolution(trial)) continue;
        puzzle = trial;
        givens -= removed;
    }
    std::string marked = grid;
    for (int i = 0; i < 81; ++i)
        if (puzzle[i] == '.') marked[i] = static_cast<char>('A' + (grid[i] - '1'));
    return marked;
}

} // namespace velmar::bankgen
