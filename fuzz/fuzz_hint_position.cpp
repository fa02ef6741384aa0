// SPDX-License-Identifier: GPL-3.0-or-later
// The hint engine fed from a position line, as "velmar-cli hint" and the hint
// dialog feed it: in both modes the first hint, then a whole rating of the
// board, which must end and leave a board the position-line reader takes back;
// with the advanced ladder the first hint and a few more presses (a whole
// rating of a position without one solution may take many nested nets).
#include "board/board_cells.h"
#include "hints/hint_dialog_model.h"
#include "history/position_line.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    velmar::BoardCells read;
    if (!velmar::ReadPositionLine(read, line)) return 0;

    for (bool pencil : {false, true}) {
        velmar::BoardCells board = read;
        velmar::HintDialogModel dialog(board);
        dialog.open(pencil);
        if (dialog.text().empty()) std::abort();
        dialog.rateBoard();
        velmar::BoardCells again;
        if (!velmar::ReadPositionLine(again, velmar::WritePositionLine(board))) std::abort();

        board = read;
        velmar::HintDialogModel advanced(board);
        advanced.setAdvanced(true);
        advanced.open(pencil);
        if (advanced.text().empty()) std::abort();
        for (int press = 0; press < 2; ++press) advanced.action();
        if (!velmar::ReadPositionLine(again, velmar::WritePositionLine(board))) std::abort();
    }
    return 0;
}
