// SPDX-License-Identifier: GPL-3.0-or-later
// Branches: one remembered position to come back to. The branch keeps no log
// of its own; moves inside it are ordinary steps, and rejecting it adds the
// remembered position as one more step.
#include "game/play_session.h"

#include "history/position_line.h"

namespace velmar {

void PlaySession::StartBranch() {
    if (!gameLoaded_ || !branch_.buttons.Start) return;
    const Batch batch(*this);
    SetBranch(BranchState::OpenAt(WritePositionLine(board_.cells())));
}

void PlaySession::AcceptBranch() {
    if (!branch_.buttons.Accept) return;
    const Batch batch(*this);
    SetBranch(BranchState::Ready());
}

void PlaySession::RejectBranch() {
    if (!gameLoaded_ || !branch_.buttons.Reject) return;
    // One notification at the end: the board is not shown half restored.
    const Batch batch(*this);
    const std::string snapshot = branch_.snapshot;
    SetBranch(BranchState::Ready());
    // Colour marks made inside the branch stay on their cells.
    ShowStep(snapshot);
}

} // namespace velmar
