// SPDX-License-Identifier: GPL-3.0-or-later
// Boards for the export tests.
#pragma once

#include "board/board_cells.h"

#include <string>
#include <string_view>

namespace velmar::test {

// Row 1 of the import dialog's boxed example, then a few more givens.
constexpr std::string_view kPuzzle = ".95..3814"
                                     "........."
                                     "........."
                                     "...7....."
                                     "........."
                                     "........."
                                     "........."
                                     "........."
                                     "........2";

// '1'..'9' are givens, every other character an open cell without text.
inline BoardCells BoardOf(std::string_view puzzle) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const char ch = puzzle[static_cast<std::size_t>(i)];
        const bool given = ch >= '1' && ch <= '9';
        board.at(i).State = given ? kStateGiven : kStateOpen;
        board.at(i).Text = given ? std::string(1, ch) : std::string();
    }
    return board;
}

inline void Set(BoardCells& board, int row, int col, int state, std::string text) {
    board.cell(row, col).State = state;
    board.cell(row, col).Text = std::move(text);
}

} // namespace velmar::test
