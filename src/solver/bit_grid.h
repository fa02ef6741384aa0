// SPDX-License-Identifier: GPL-3.0-or-later
// A 9x9 grid as nine digit bitboards, the engine under the solver's string
// services. Digits are 1..9, cells 0..80 in row-major order.
//
// Why not search the way a person would? The string services promise the
// least solution in row-major order; any sound and complete search gives the
// same answer, so this one is free to use strong propagation and to branch on
// the most constrained cell when it only needs to count solutions.
//
// Each digit's board is cut into three bands of three rows, one 27-bit word
// each, so the cells of a band are bits 0..26 in row-major order and cell n
// is bit n % 27 of band n / 27. The representation and its propagation live in
// bit_grid.cpp, the searches in search.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmar::solver {

class BitGrid {
  public:
    // An empty grid: every cell open with all nine candidates.
    BitGrid();

    // Places digit (1..9) in cell (0..80) and propagates naked and hidden
    // singles to their fixed point, nothing stronger, so the candidates left
    // are those a person finds with singles alone. False when the grid turned
    // out contradictory.
    bool place(int cell, int digit);
    // Loads the '1'..'9' givens of an 81-character row-major string (other
    // characters are blanks) and propagates as the search does. False on
    // conflicting givens or a contradiction found by propagation.
    bool loadGivens(const std::string& puzzle);

    int value(int cell) const;                // 0 for an open cell
    std::uint16_t candidates(int cell) const; // bit d-1 for digit d; 0 for a placed cell
    bool complete() const { return (open_[0] | open_[1] | open_[2]) == 0; }
    std::string digits() const;

    // Counts solutions up to `limit`; the first one found goes to `solution`.
    int countSolutions(int limit, std::string* solution) const;
    // The least solution when cells are compared in row-major order and digits
    // ascending; false when there is none. `quickGuesses` bounds the plain
    // row-major search tried first.
    bool leastSolution(std::string& solution, int quickGuesses = 200) const;

  private:
    // Representation and propagation (bit_grid.cpp). Digits are 0..8 here.
    static int board(int digit, int band) { return band * 9 + digit; }
    void strike(int board, std::uint32_t cells);
    void settle(int digit, int band, std::uint32_t cells);
    void fix(int digit, int band, std::uint32_t cells);
    bool assign(int cell, int digit);
    bool propagate();
    bool shrinkDirtyBands();
    bool nakedSingles(bool& changed);
    bool hiddenSingles(bool& changed);
    bool shrinkStacks(bool& changed);
    bool singlesClosure();

    // Searches (search.cpp).
    int branchCell() const;
    int countFrom(int limit, std::string* solution, int found);
    int orderedSearch(int& budget, std::string& solution) const;

    // cand_[board(d, b)]: the cells of band b that may hold digit d, the cell
    // where d is placed included.
    std::array<std::uint32_t, 27> cand_;
    std::array<std::uint32_t, 3> open_; // cells of each band not placed yet
    // Boards changed since the search's propagation last shrank them.
    std::uint32_t dirty_ = 0;
    // Digits whose boards changed since their stacks were last shrunk.
    std::uint32_t stacksDirty_ = 0x1FF;
};

} // namespace velmar::solver
