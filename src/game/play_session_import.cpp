// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game from a puzzle the player built or imported.
#include "game/play_session.h"

namespace velmar {

namespace {

constexpr int kLevelUnknown = 5;

} // namespace

void PlaySession::StartImported(const TQJ& game, const BoardCells& board) {
    const Batch batch(*this);
    CloseTile();
    ResetPlay();
    QJ1_ = game;
    BoardCells& cells = board_.cells();
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = cells.at(i);
        n.State = board.at(i).State;
        n.Text = board.at(i).Text;
        n.ErrorMark = false;
        n.CandHidden = 0;
    }
    cells.FindConflict();
    board_.properties().nd = kLevelUnknown;
    gameLoaded_ = true;
    finished_ = false;
    wasSolved_ = false;
    branch_ = {true, false, false};
    candidatesOn_ = false;
    Changed(kChangedGame | kChangedFinish | kChangedCommands | kChangedBoard);
    // The board's own candidate lists are kept, not computed again.
    if (cells.CandidateState() == kCandidatesEdited) {
        SelectMode(OperationMode::AllCandidates);
    } else {
        for (int i = 0; i < 81; ++i)
            if (cells.at(i).State != kStateGiven) cells.at(i).Text.clear();
        board_.HideMultiCandidates();
    }
    SelectDigit(1);
    CountDigits();
    frmstep_.StartLog(cells);
    SetStepButtons({});
    SetClock(true, true);
}

} // namespace velmar
