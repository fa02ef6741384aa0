// SPDX-License-Identifier: GPL-3.0-or-later
// A stored position shown on a session's board as the step buttons show it,
// for pictures of a position line without a window.
#pragma once

#include "board/board_cells.h"

namespace velmar {

class PlaySession;

// The position's givens start a game of unknown level and solution, then the
// session steps to the position: the mode its candidates call for, digit 1
// selected, conflicts marked, in the board's current colours.
void ShowPosition(PlaySession& session, const BoardCells& position);

} // namespace velmar
