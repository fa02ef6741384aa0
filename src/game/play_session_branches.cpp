// SPDX-License-Identifier: GPL-3.0-or-later
// Branches: one remembered position to come back to. The branch keeps no log
// of its own; moves inside it are ordinary steps, and rejecting it adds the
// remembered position as one more step.
#include "game/play_session.h"

#include "history/position_line.h"

namespace velmar {

void PlaySession::StartBranch() {
    if (!gameLoaded_ || !branch_.Start) return;
    const Batch batch(*this);
    branch_ = {false, true, true};
    branchSnapshot_ = WritePositionLine(board_.cells());
    Changed(kChangedCommands);
}

void PlaySession::AcceptBranch() {
    if (!branch_.Accept) return;
    const Batch batch(*this);
    branch_ = {true, false, false};
    branchSnapshot_.clear();
    Changed(kChangedCommands);
}

void PlaySession::RejectBranch() {
    if (!gameLoaded_ || !branch_.Reject) return;
    // One notification at the end: the board is not shown half restored.
    const Batch batch(*this);
    branch_ = {true, false, false};
    Changed(kChangedCommands);
    const std::string snapshot = std::move(branchSnapshot_);
    branchSnapshot_.clear();
    ShowStoredPosition(snapshot);
    MarkWrongDigits(board_, QJ1_);
    CountDigits();
    // Colour marks made inside the branch stay on their cells.
    ApplyMarksNow();
}

} // namespace velmar
