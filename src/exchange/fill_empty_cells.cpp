// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/fill_empty_cells.h"

namespace velmar {

bool FillEmptyCells(BoardCells& board) {
    // Candidates come from filled cells holding digits. An emptied placed cell
    // holds none, and a filled-in cell is open, so no cell changes another's
    // candidates and the cells can be filled one by one.
    bool changed = false;
    for (int i = 0; i < 81; ++i) {
        TPicNode& node = board.at(i);
        if (node.State == kStateGiven || !node.Text.empty()) continue;
        changed = changed || node.State != kStateOpen;
        node.State = kStateOpen;
        node.Text = board.PeerCandidates(i / 9 + 1, i % 9 + 1);
        changed = changed || !node.Text.empty();
    }
    return changed;
}

} // namespace velmar
