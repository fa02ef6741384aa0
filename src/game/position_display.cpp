// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/position_display.h"

#include "bank/puzzle_bank.h"
#include "game/play_session.h"
#include "history/position_line.h"
#include "model/levels.h"
#include "model/random.h"

#include <string>

namespace velmar {

BoardDisplay DisplayOfPosition(const BoardCells& position) {
    // A given without its digit starts as an open cell; loading the
    // position then gives every cell its State and Text.
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = position.at(i);
        if (n.State == kStateGiven && n.Text.size() == 1) givens[i] = n.Text[0];
    }
    Random random(0);
    PlaySession session(PuzzleBank::builtIn(), random);
    session.StartPuzzle(givens, "", kUnknownLevel);
    // Recorded and stepped to, it shows as the step buttons show a position.
    session.LoadPosition(WritePositionLine(position));
    session.RecordStep();
    session.GoStep(StepMove::Last);
    return session.board();
}

} // namespace velmar
