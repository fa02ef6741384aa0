// SPDX-License-Identifier: GPL-3.0-or-later
// Position lines: the text form of a whole board (State and Text of the 81
// cells) used by the step log, the last-game and replay files and branches.
#pragma once

#include <string>
#include <string_view>

#include "board/board_cells.h"

namespace velmar {

// 81 comma-joined entries in board order, each the cell's State digit
// followed by its Text, e.g. "15,3149,27,...".
std::string WritePositionLine(const BoardCells& board);

// Sets State and Text of all 81 cells from a position line; nothing else of
// the board changes. Blanks (and a line end such as "\r") around entries are
// ignored. Returns false, leaving the board untouched, for a line that is not
// exactly 81 valid entries (see position_line.cpp).
bool ReadPositionLine(BoardCells& board, std::string_view line);

} // namespace velmar
