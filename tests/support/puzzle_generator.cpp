// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle_generator.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace velmar::testing {

namespace {

int pick(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// Rows, columns, bands and stacks permuted, digits relabelled, maybe transposed.
std::string randomGridImpl(std::mt19937& rng) {
    std::array<int, 9> rows{}, cols{}, digits{};
    auto lines = [&](std::array<int, 9>& order) {
        std::array<int, 3> bands{0, 1, 2};
        std::shuffle(bands.begin(), bands.end(), rng);
        for (int b = 0; b < 3; ++b) {
            std::array<int, 3> inner{0, 1, 2};
            std::shuffle(inner.begin(), inner.end(), rng);
            for (int i = 0; i < 3; ++i) order[b * 3 + i] = bands[b] * 3 + inner[i];
        }
    };
    lines(rows);
    lines(cols);
    std::iota(digits.begin(), digits.end(), 1);
    std::shuffle(digits.begin(), digits.end(), rng);
    const bool transpose = pick(rng, 0, 1) == 1;
    std::string grid(81, '0');
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const int br = rows[r], bc = cols[c];
            const int base = (br * 3 + br / 3 + bc) % 9;
            grid[transpose ? c * 9 + r : r * 9 + c] = static_cast<char>('0' + digits[base]);
        }
    return grid;
}

} // namespace

std::string randomGrid(std::mt19937& rng) {
    return randomGridImpl(rng);
}

std::string cutPuzzle(const std::string& grid, int givens, char blank, std::mt19937& rng) {
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    std::string puzzle(81, blank);
    for (int i = 0; i < givens && i < 81; ++i) puzzle[order[i]] = grid[order[i]];
    return puzzle;
}

std::string randomSolverInput(std::mt19937& rng) {
    static const char blanks[] = {'.', '0', '*', ' ', 'x', '-', 'A'};
    const char blank = blanks[pick(rng, 0, 6)];
    const std::string grid = randomGrid(rng);
    switch (pick(rng, 0, 9)) {
    case 0: // sparse: usually several solutions
        return cutPuzzle(grid, pick(rng, 0, 27), blank, rng);
    case 1: // a wrong given: conflicts or quiet contradictions
    case 2: {
        std::string p = cutPuzzle(grid, pick(rng, 25, 60), blank, rng);
        const int cell = pick(rng, 0, 80);
        p[cell] = static_cast<char>('1' + pick(rng, 0, 8));
        return p;
    }
    case 3: { // a full grid, sometimes broken
        std::string g = grid;
        if (pick(rng, 0, 1)) g[pick(rng, 0, 80)] = static_cast<char>('1' + pick(rng, 0, 8));
        return g;
    }
    case 4: { // the cell's own digit given in its column: the cell may lose every candidate
        std::string p = cutPuzzle(grid, pick(rng, 30, 70), blank, rng);
        const int cell = pick(rng, 0, 80);
        p[cell] = blank;
        const int r = cell / 9, c = cell % 9;
        const int peerInRow = r * 9 + (c + 1 + pick(rng, 0, 7)) % 9;
        const int peerInCol = ((r + 1 + pick(rng, 0, 7)) % 9) * 9 + c;
        p[peerInRow] = grid[peerInRow];
        p[peerInCol] = grid[cell];
        return p;
    }
    case 5: { // short or long strings, and random bytes
        std::string p = cutPuzzle(grid, pick(rng, 25, 50), blank, rng);
        if (pick(rng, 0, 1)) return p.substr(0, static_cast<std::size_t>(pick(rng, 0, 80)));
        for (int i = pick(rng, 1, 20); i > 0; --i)
            p.push_back(static_cast<char>(pick(rng, 0, 255)));
        return p;
    }
    case 6: { // noise: any bytes, now and then a digit
        std::string p;
        for (int i = pick(rng, 0, 90); i > 0; --i)
            p.push_back(
                static_cast<char>(pick(rng, 0, 3) ? pick(rng, 0, 255) : '1' + pick(rng, 0, 8)));
        return p;
    }
    default: // ordinary puzzles, mostly one solution
        return cutPuzzle(grid, pick(rng, 26, 50), blank, rng);
    }
}

} // namespace velmar::testing
