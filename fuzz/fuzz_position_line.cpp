// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the position-line reader: any bytes must either be refused with the
// board untouched, or be read into a board whose written line reads back to
// the very same board.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "board/board_cells.h"
#include "history/position_line.h"

namespace {

bool SameCells(const velmar::BoardCells& a, const velmar::BoardCells& b) {
    for (int i = 0; i < 81; ++i)
        if (a.at(i).State != b.at(i).State || a.at(i).Text != b.at(i).Text) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const velmar::BoardCells fresh;
    velmar::BoardCells board;
    if (!velmar::ReadPositionLine(board, line)) {
        if (!SameCells(board, fresh)) std::abort(); // a refused line changed the board
        return 0;
    }
    const std::string written = velmar::WritePositionLine(board);
    if (written.size() > 890) std::abort();
    velmar::BoardCells again;
    if (!velmar::ReadPositionLine(again, written) || !SameCells(board, again)) std::abort();
    if (velmar::WritePositionLine(again) != written) std::abort();
    return 0;
}
