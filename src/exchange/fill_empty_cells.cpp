// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/fill_empty_cells.h"

#include <array>

namespace velmar {

bool FillEmptyCells(BoardCells& board) {
    std::array<bool, 81> fill{};
    bool any = false;
    for (int i = 0; i < 81; ++i) {
        const TPicNode& node = board.at(i);
        fill[i] = node.State != kStateGiven && node.Text.empty();
        any = any || fill[i];
    }
    if (!any) return false;
    // An emptied placed cell holds no digit, so it kept no peer from any
    // candidate; opening it first changes nobody's candidates.
    for (int i = 0; i < 81; ++i)
        if (fill[i]) board.at(i).State = kStateOpen;
    for (int i = 0; i < 81; ++i) {
        if (!fill[i]) continue;
        TPicNode& node = board.at(i);
        node.Text = board.PeerCandidates(i / 9 + 1, i % 9 + 1);
    }
    return true;
}

} // namespace velmar
