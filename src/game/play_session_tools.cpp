// SPDX-License-Identifier: GPL-3.0-or-later
// The digit counters, checking against the solution, and the move history
// behind the step buttons.
#include "game/play_session.h"

#include "history/position_line.h"
#include "solver/solver.h"

namespace velmar {

namespace {

constexpr TColor kCheckRed = 254;

} // namespace

void PlaySession::Recount() {
    counts_.fill(0);
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = board_.cells().at(i);
        if (n.State != kStateOpen && n.Text.size() == 1 && n.Text[0] >= '1' && n.Text[0] <= '9')
            ++counts_[n.Text[0] - '1'];
    }
    Changed(kChangedCounters);
}

void PlaySession::CommitEdit() {
    const Batch batch(*this);
    Recount();
    RecordStep();
}

void PlaySession::RecordStep() {
    const Batch batch(*this); // a step recorded from outside is reported too
    frmstep_.RecordStep(board_.cells());
    SetStepButtons(frmstep_.RecordButtons());
}

void PlaySession::SetStepButtons(const StepButtons& buttons) {
    stepButtons_ = buttons;
    Changed(kChangedSteps);
}

void PlaySession::SetClock(bool running, bool fromZero) {
    clockRunning_ = running;
    if (listener_) listener_->ClockSet(running, fromZero);
}

void PlaySession::CheckError() {
    if (!gameLoaded_) return;
    const Batch batch(*this);
    bool error = false;
    auto markWrong = [&](int r, int c) {
        board_.SetCellColor(r, c, kCheckRed);
        board_.SetCandidatesColor(r, c, kCheckRed);
        error = true;
    };
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TPicNode& n = board_.node(r, c);
            const int solution = QJ1_.node(r, c).Digit;
            const char digit = static_cast<char>('0' + solution);
            if (n.Text.size() == 1) {
                // The candidate squares too: a lone candidate is drawn on them.
                if (solution != 0 && n.Text[0] != digit) markWrong(r, c);
            } else if (mode_ != OperationMode::PencilAndPaper && n.State == kStateOpen &&
                       n.Text.find(digit) == std::string::npos) {
                // Without its solution digit (an empty cell included) it is wrong.
                markWrong(r, c);
            }
        }
    Changed(kChangedBoard);
    if (error) return;
    Flush();
    if (listener_) listener_->Inform("msg_no_error");
}

SolutionReport PlaySession::FindSolution() const {
    const std::string known = QJ1_.GetSolutionString();
    if (!known.empty()) return {SolutionReport::Known, known, {}};
    // No solution in the game: the givens on the board decide.
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = board_.cells().at(i);
        if (n.State == kStateGiven && n.Text.size() == 1) givens[i] = n.Text[0];
    }
    const UniquenessReport report = TestUniqueness(givens);
    switch (report.result) {
    case kOneSolution:
        return {SolutionReport::One, report.first, {}};
    case kNoSolution:
        return {SolutionReport::None, {}, {}};
    default:
        return {SolutionReport::Several, report.first, report.second};
    }
}

bool PlaySession::LoadPosition(std::string_view line) {
    const Batch batch(*this);
    if (!ReadPositionLine(board_.cells(), line)) return false;
    Changed(kChangedBoard);
    const int state = board_.cells().CandidateState();
    const bool candidates = state == kCandidatesExact || state == kCandidatesEdited;
    SelectMode(candidates ? OperationMode::AllCandidates : OperationMode::PencilAndPaper);
    return true;
}

void PlaySession::GoStep(StepMove move) {
    if (!gameLoaded_) return;
    const Batch batch(*this);
    const std::string* line = nullptr;
    switch (move) {
    case StepMove::First:
        line = &frmstep_.GoFirst();
        break;
    case StepMove::Back:
        line = &frmstep_.GoBack();
        break;
    case StepMove::Next:
        line = &frmstep_.GoNext();
        break;
    case StepMove::Last:
        line = &frmstep_.GoLast();
        break;
    }
    // A copy: the mode change may record and move the log. A damaged entry
    // (the placeholder of a log without a game) leaves the board as it is.
    const std::string entry = *line;
    ShowStep(entry);
}

// A stored position shown as the board, then recorded as a step should the
// mode it called for have changed it, with the colour marks on top.
void PlaySession::ShowStep(std::string_view line) {
    ShowStoredPosition(line);
    CommitEdit();
    ApplyMarksNow();
}

// A stored position onto the board, drawn for the mode, with its error
// marks and finish state; on paper one digit stays selected.
void PlaySession::ShowStoredPosition(std::string_view line) {
    LoadPosition(line);
    // The finish badge belongs to a finished board only.
    BoardCells& cells = board_.cells();
    cells.FindConflict();
    const bool solved = cells.IsSolved();
    SetFinish({solved, finish_.reached || solved});
    Changed(kChangedBoard);
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        board_.RedrawPencil();
        if (SelectedDigit() == 0) {
            digits_.SetAllowAllUp(false);
            PressDigit(1);
        }
        break;
    case OperationMode::AllCandidates:
        board_.RedrawAll();
        break;
    case OperationMode::PartCandidates:
        board_.RedrawForDigit(SelectedDigit());
        break;
    }
}

void PlaySession::SetProperties(const BoardProperties& properties) {
    const Batch batch(*this);
    const int nd = board_.properties().nd;
    board_.properties() = properties;
    board_.properties().nd = nd;
    board_.RedrawAll();
    // Open cells' candidate squares take the cell's background.
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (board_.node(r, c).State == kStateOpen)
                board_.SetCandidatesColor(r, c, board_.CellColor(r, c));
    // A game in play goes on showing what its mode shows, its highlight and
    // its colour marks, in the new colours.
    if (gameLoaded_) {
        RedrawForMode();
        ApplyMarksNow();
    }
    Changed(kChangedBoard);
}

} // namespace velmar
