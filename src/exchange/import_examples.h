// SPDX-License-Identifier: GPL-3.0-or-later
// The four example texts of the "Import Sudoku" dialog, one per layout it
// recognises, with the key of the help line each one shows. Examples 3 and 4
// are the boxed "With Candidates" grid of the clipboard copy before it is
// narrowed.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmar {

struct ImportExample {
    std::string text;         // for the text area, lines ended by '\n' except the last
    std::string_view helpKey; // the help line's string-table key
};

inline constexpr int kImportExamples = 4;

// Example 1..4; any other number gives an empty text and key.
ImportExample ImportExampleText(int number);

// The 13-line boxed grid, 94 characters wide, of the cells' texts in board
// order: every text right-aligned in ten columns ('.' for an empty one, a
// longer text not cut), '|' borders, '*' corners, '-' lines and '+' where the
// box lines cross. Lines are joined by '\n'.
std::string WideCandidateGrid(const std::array<std::string, 81>& cells);

} // namespace velmar
