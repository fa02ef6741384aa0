// SPDX-License-Identifier: GPL-3.0-or-later
// A 9x9 grid of candidate bit masks with singles propagation, the engine
// under the solver's string services. Bit d-1 of a mask stands for digit d.
//
// Why not search the way a person would? The string services promise the
// least solution in row-major order; any sound and complete search gives the
// same answer, so this one is free to use strong propagation and to branch on
// the most constrained cell when it only needs to count solutions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmar::solver {

class BitGrid {
  public:
    // An empty grid: every cell open with all nine candidates.
    BitGrid();

    // Places digit (1..9) in cell (0..80) and propagates singles.
    // False when the grid turned out contradictory.
    bool place(int cell, int digit);
    // Loads the '1'..'9' givens of an 81-character row-major string (other
    // characters are blanks). False on conflicting givens or a contradiction
    // found by propagation.
    bool loadGivens(const std::string& puzzle);

    int value(int cell) const { return value_[cell]; }
    std::uint16_t candidates(int cell) const { return cand_[cell]; }
    bool complete() const { return placed_ == 81; }
    std::string digits() const;

    // Counts solutions up to `limit`; the first one found goes to `solution`.
    int countSolutions(int limit, std::string* solution) const;
    // The least solution when cells are compared in row-major order and digits
    // ascending; false when there is none.
    bool leastSolution(std::string& solution) const;

  private:
    static std::uint32_t unitMask(int cell);
    bool assign(int cell, int digit);
    bool propagate(bool withCrossings);
    int branchCell() const;
    int orderedSearch(int& budget, std::string& solution) const;
    bool hiddenSingles(bool& changed);
    bool lockedCandidates(bool& changed);
    bool strike(int cell, std::uint16_t digits, bool& changed);
    int countFrom(int limit, std::string* solution, int found);

    std::array<std::uint16_t, 81> cand_;
    std::array<std::uint8_t, 81> value_;
    std::array<std::uint16_t, 27> unitPlaced_; // digits placed in each unit
    std::array<std::uint8_t, 128> queue_;      // cells waiting to be placed as naked singles
    int queueLength_ = 0;
    int placed_ = 0;
    // Units whose candidates changed since hidden singles last looked at them.
    std::uint32_t dirty_ = (1u << 27) - 1;
};

} // namespace velmar::solver
