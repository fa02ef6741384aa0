// SPDX-License-Identifier: GPL-3.0-or-later
// TQJ: the game position model. It keeps, for each of the 81 cells, the
// solution digit and whether the cell is a given; the player's entries live
// in the board cells, not here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

class Random;

struct TNode {
    std::int32_t Row = 0;   // 1..9
    std::int32_t Col = 0;   // 1..9
    std::int32_t Digit = 0; // solution digit 1..9, 0 = none
    bool Fixed = false;     // a given of the puzzle
};

// True when `marked` is exactly 81 characters, each a given "1".."9" or an
// open cell "A".."I" (the letter is its solution digit).
bool IsMarkedPuzzle(std::string_view marked);
// True when `text` is 81 digits, each from `lowest` to "9": "1" for a
// solution string, "0" for a givens string.
bool IsDigitString(std::string_view text, char lowest);
// The digit a solution-marked character stands for: "1".."9" as such, "A" = 1 .. "I" = 9.
inline int MarkedDigit(char ch) {
    return ch >= 'A' ? ch - 'A' + 1 : ch - '0';
}

class TQJ {
  public:
    TQJ();

    // Loads a solution-marked string ("1".."9" givens, "A".."I" open cells with
    // their solution) and shuffles it with 200 passes. A string that is not
    // exactly 81 such characters is refused: the model stays as it was.
    bool LoadMarkedPuzzle(std::string_view marked);
    bool LoadMarkedPuzzle(std::string_view marked, Random& random);

    // n random validity-keeping transformations; n < 1 does nothing.
    void ShuffleSolution(int passes);
    void ShuffleSolution(int passes, Random& random);

    // 81 digits, or "" when any cell has no solution digit.
    std::string GetSolutionString() const;
    void ClearSolution();
    // Clears the digits, then fills them from an 81-digit string (blanks
    // trimmed). Any other string leaves all digits 0; Fixed is never touched.
    void LoadSolutionString(std::string_view solution);
    // Clears the digits, then loads givens ("0" = open). A string that is not
    // 81 decimal digits after trimming leaves the digits 0 and Fixed as it was.
    void LoadGivens(std::string_view givens);
    std::string GetGivensString() const;

    // Node of row r, column c (both 1..9).
    TNode& node(int row, int col) { return nodes_[index(row, col)]; }
    const TNode& node(int row, int col) const { return nodes_[index(row, col)]; }

  private:
    static int index(int row, int col) { return (row - 1) * 9 + (col - 1); }
    void swapCells(int a, int b);

    std::array<TNode, 81> nodes_{};
};

} // namespace velmar
