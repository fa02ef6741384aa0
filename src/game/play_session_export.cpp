// SPDX-License-Identifier: GPL-3.0-or-later
// What the export commands ask of the session before they read the board.
#include "game/play_session.h"

#include "exchange/fill_empty_cells.h"

namespace velmar {

bool PlaySession::FillBeforeCopy() {
    if (!gameLoaded_ || finish_.reached) return false;
    const Batch batch(*this);
    if (!FillEmptyCells(board_.cells())) return false;
    // The filled cells show in the active mode and make a step of the log.
    AfterMove("msg_puzzle_solved", false);
    return true;
}

} // namespace velmar
