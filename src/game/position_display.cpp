// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/position_display.h"

#include "game/play_session.h"
#include "history/position_line.h"
#include "model/levels.h"

#include <string>

namespace velmar {

void ShowPosition(PlaySession& session, const BoardCells& position) {
    // A given without its digit starts as an open cell; stepping to the
    // position then gives every cell its State and Text.
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = position.at(i);
        if (n.State == kStateGiven && n.Text.size() == 1) givens[i] = n.Text[0];
    }
    session.StartPuzzle(givens, "", kUnknownLevel);
    session.LoadPosition(WritePositionLine(position));
    session.RecordStep();
    session.GoStep(StepMove::Last);
}

} // namespace velmar
