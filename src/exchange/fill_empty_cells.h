// SPDX-License-Identifier: GPL-3.0-or-later
// The copy dialog's opening step on the main board: cells without text get
// their computed candidates, so that "With Candidates" has something to list.
#pragma once

#include "board/board_cells.h"

namespace velmar {

// Every cell that is not a given and has an empty Text receives its
// PeerCandidates. A placed cell whose digit play pruned away becomes an open
// cell with them: a placed cell holds one digit at most, and the position
// line of the changed board must read back. Candidates are taken from the
// board as it was, so the result does not depend on the order of the cells.
// Returns whether any cell changed (the caller then records the step).
bool FillEmptyCells(BoardCells& board);

} // namespace velmar
