// SPDX-License-Identifier: GPL-3.0-or-later
// Position lines: the text form of a whole board (State and Text of the 81
// cells) used by the step log, the last-game and replay files and branches.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "board/board_cells.h"

namespace velmar {

// One cell of a position line.
struct PositionEntry {
    std::int32_t State = 0;
    std::string Text;
};

// A State digit 1..3 followed by distinct digits 1..9, at most one of them
// unless the cell is open; nullopt for anything else (blanks included).
std::optional<PositionEntry> ParsePositionEntry(std::string_view entry);

// 81 comma-joined entries in board order, each the cell's State digit
// followed by its Text, e.g. "15,3149,27,...".
std::string WritePositionLine(const BoardCells& board);

// Sets State and Text of all 81 cells from a position line; nothing else of
// the board changes. Blanks (and a line end such as "\r") around entries are
// ignored. Returns false, leaving the board untouched, for a line that is not
// exactly 81 valid entries (see position_line.cpp).
bool ReadPositionLine(BoardCells& board, std::string_view line);

} // namespace velmar
