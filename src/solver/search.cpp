// SPDX-License-Identifier: GPL-3.0-or-later
// The searches over a BitGrid.
//
// Counting solutions branches on a cell with two candidates when there is one
// (else on a cell with the fewest): every digit but the last is tried on a
// copy of the grid, 32 words, and the last one in place, so the search needs
// no undo. The least solution comes from a row-major search, lowest
// digit first, whose first complete grid is the answer; a hard puzzle can
// trap that search, so it has a budget, and past it the cells are settled in
// row-major order, each to the lowest digit that still leaves a solution.
#include "solver/bit_grid.h"

#include "solver/band_masks.h"

#include <array>
#include <bit>

namespace velmar::solver {

// An open cell with two candidates, the one whose guess settles the most:
// most open peers, counted twice, and most two-candidate peers; else a cell
// with the fewest candidates.
int BitGrid::branchCell() const {
    // Per band, bit-sliced: cells with one or more, two or more, ... four or more.
    std::array<std::uint32_t, 3> pairs{}, triples{};
    for (int band = 0; band < 3; ++band) {
        std::uint32_t once = 0, twice = 0, thrice = 0, four = 0;
        for (int d = 0; d < 9; ++d) {
            const std::uint32_t cells = cand_[board(d, band)] & open_[band];
            four |= thrice & cells;
            thrice |= twice & cells;
            twice |= once & cells;
            once |= cells;
        }
        pairs[band] = twice & ~thrice;
        triples[band] = thrice & ~four;
    }
    int best = -1, bestScore = -1;
    for (int band = 0; band < 3; ++band) {
        for (std::uint32_t left = pairs[band]; left; left &= left - 1) {
            const int at = std::countr_zero(left);
            // The column's cells in the other two bands, the second band's
            // moved one place so that both count.
            const std::uint32_t column = kColumnInBand << (at % 9);
            const auto inColumn = [&](const std::array<std::uint32_t, 3>& cells) {
                return (cells[nextBand(band)] & column) | (cells[lastBand(band)] & column) << 1;
            };
            const int score =
                bitCount(pairs[band] & kBandPeers[at]) + bitCount(inColumn(pairs)) +
                2 * (bitCount(open_[band] & kBandPeers[at]) + bitCount(inColumn(open_)));
            if (score > bestScore) {
                bestScore = score;
                best = 27 * band + at;
            }
        }
    }
    if (best >= 0) return best;
    for (int band = 0; band < 3; ++band)
        if (triples[band]) return 27 * band + std::countr_zero(triples[band]);
    // Count every cell's candidates in four bit planes.
    int bestCount = 10;
    for (int band = 0; band < 3; ++band) {
        std::array<std::uint32_t, 4> plane{};
        for (int d = 0; d < 9; ++d) {
            std::uint32_t carry = cand_[board(d, band)] & open_[band];
            for (std::uint32_t& bits : plane) {
                const std::uint32_t next = bits & carry;
                bits ^= carry;
                carry = next;
            }
        }
        for (int count = 4; count < bestCount; ++count) {
            std::uint32_t cells = open_[band];
            for (int i = 0; i < 4; ++i) cells &= count >> i & 1 ? plane[i] : ~plane[i];
            if (cells) {
                best = 27 * band + std::countr_zero(cells);
                bestCount = count;
                break;
            }
        }
    }
    return best;
}

// Overwrites this grid: the last candidate of each branch cell is tried in
// place instead of on a copy.
int BitGrid::countFrom(int limit, std::string* solution, int found) {
    for (;;) {
        if (!propagate()) return found;
        if (complete()) {
            if (found == 0 && solution) *solution = digits();
            return found + 1;
        }
        const int cell = branchCell();
        std::uint16_t mask = candidates(cell);
        for (;;) {
            const int digit = std::countr_zero(mask) + 1;
            mask &= static_cast<std::uint16_t>(mask - 1);
            if (!mask) {
                assign(cell, digit);
                break;
            }
            BitGrid next = *this;
            next.assign(cell, digit);
            found = next.countFrom(limit, solution, found);
            if (found >= limit) return found;
        }
    }
}

int BitGrid::countSolutions(int limit, std::string* solution) const {
    BitGrid grid = *this;
    return grid.countFrom(limit, solution, 0);
}

// Row-major search, lowest digit first: the first complete grid it meets is
// the least solution. Gives up (-1) after `budget` guesses.
int BitGrid::orderedSearch(int& budget, std::string& solution) const {
    if (complete()) {
        solution = digits();
        return 1;
    }
    const int band = open_[0] ? 0 : open_[1] ? 1 : 2;
    const int cell = 27 * band + std::countr_zero(open_[band]);
    for (std::uint16_t mask = candidates(cell); mask;
         mask &= static_cast<std::uint16_t>(mask - 1)) {
        if (--budget < 0) return -1;
        BitGrid next = *this;
        next.assign(cell, std::countr_zero(mask) + 1);
        if (!next.propagate()) continue;
        const int found = next.orderedSearch(budget, solution);
        if (found != 0) return found;
    }
    return 0;
}

bool BitGrid::leastSolution(std::string& solution, int quickGuesses) const {
    BitGrid start = *this;
    if (!start.propagate()) return false;
    // Most puzzles with several solutions give their least one to a plain
    // row-major search at once; a short budget keeps the rare hard case from
    // trapping it.
    int budget = quickGuesses;
    const int quick = start.orderedSearch(budget, solution);
    if (quick >= 0) return quick == 1;

    // Otherwise walk the cells in order, each time keeping the lowest digit
    // that still leaves a solution. A known solution bounds the digits worth
    // testing, and each test is a fast most-constrained-first search.
    std::string known;
    if (start.countSolutions(1, &known) == 0) return false;
    BitGrid grid = start;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid.value(cell) != 0) continue;
        const int bound = known[cell] - '0';
        std::uint16_t mask =
            grid.candidates(cell) & static_cast<std::uint16_t>((1u << (bound - 1)) - 1);
        while (mask) {
            const int digit = std::countr_zero(mask) + 1;
            mask &= static_cast<std::uint16_t>(mask - 1);
            BitGrid trial = grid;
            std::string found;
            if (trial.assign(cell, digit) && trial.countSolutions(1, &found) > 0) {
                known = found;
                break;
            }
        }
        // Cannot fail: `known` solves the grid.
        if (!grid.assign(cell, known[cell] - '0') || !grid.propagate()) return false;
    }
    solution = grid.digits();
    return true;
}

} // namespace velmar::solver
