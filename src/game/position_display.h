// SPDX-License-Identifier: GPL-3.0-or-later
// What the main board shows of a stored position right after loading it,
// without a window: for pictures of a position line.
#pragma once

#include "game/board_display.h"

namespace velmar {

// The position's givens start a game of unknown level and solution, then the
// position is shown as stepping to it shows it: the mode its candidates call
// for, digit 1 selected, conflicts marked, the main board's colours.
BoardDisplay DisplayOfPosition(const BoardCells& position);

} // namespace velmar
