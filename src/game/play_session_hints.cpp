// SPDX-License-Identifier: GPL-3.0-or-later
// The hint dialog's run on the session's board: the engine's hints coloured
// on the cells, applied hints shown the way the engine hands them over and
// recorded as steps, and the finish test when the dialog closes.
#include "game/play_session.h"

#include "hints/engine_layout.h"

namespace velmar {

bool PlaySession::OpenHints() {
    if (!gameLoaded_) return false;
    const Batch batch(*this);
    if (tile_.open) CloseTile();
    hints_.open(mode_ == OperationMode::PencilAndPaper);
    ShowHintOnBoard();
    return true;
}

void PlaySession::HintAction() {
    if (!gameLoaded_ || finish_.reached) return;
    const Batch batch(*this);
    if (hints_.action()) {
        ShowCopiedHint();
        // The counters follow at once, and the applied hint is a step.
        CommitEdit();
    }
    ShowHintOnBoard();
}

void PlaySession::ShowSmallerHint(bool smaller) {
    if (!gameLoaded_) return;
    const Batch batch(*this);
    if (smaller) {
        hints_.smallerHint();
    } else {
        hints_.moreOfHint();
    }
    ShowHintOnBoard();
}

void PlaySession::CloseHints() {
    if (!gameLoaded_) return;
    const Batch batch(*this);
    // The highlights go: the board takes its mode's look and colour marks.
    Settle();
    if (!board_.cells().IsSolved()) return;
    SetFinish({true, true});
    SetClock(false, false);
    SetBranch(BranchState::Closed());
    Changed(kChangedBoard);
}

// The cells the hint speaks of, with their candidate squares, take its
// colours; every other cell keeps the board's own (box shading, the selected
// digit's highlight, the player's colour marks).
void PlaySession::ShowHintOnBoard() {
    ApplyMarks(board_, marks_, QJ1_, SelectedDigit());
    const HintHighlights& colours = hints_.highlights();
    for (int i = 0; i < 81; ++i) {
        if (colours[i] == HighlightColour::White) continue;
        const TColor colour = highlightRgb(colours[i]);
        const int row = i / 9 + 1;
        const int col = i % 9 + 1;
        board_.SetCellColor(row, col, colour);
        board_.SetCandidatesColor(row, col, colour);
    }
    Changed(kChangedBoard);
}

// What the engine wrote into the cells, shown: in a candidate mode every cell
// the engine still has candidates for shows them; placed digits show big.
void PlaySession::ShowCopiedHint() {
    const HintEngine& engine = hints_.engine();
    for (int e = 0; e < 81; ++e) {
        const int i = hints::boardIndex(e);
        const int row = i / 9 + 1;
        const int col = i % 9 + 1;
        if (mode_ != OperationMode::PencilAndPaper && engine.candidates(e) != 0)
            board_.ShowHeldCandidates(row, col);
        if (board_.node(row, col).State == kStatePlaced) board_.ShowBigDigit(row, col);
    }
    Changed(kChangedBoard);
}

} // namespace velmar
