// SPDX-License-Identifier: GPL-3.0-or-later
// Starting and restarting games, the digit counters, checking against the
// solution, and the move history behind the step buttons.
#include "game/play_session.h"

#include "bank/deal.h"
#include "bank/puzzle_bank.h"
#include "history/position_line.h"
#include "solver/solver.h"

namespace velmar {

namespace {

constexpr TColor kCheckRed = 254;

bool IsGivensString(std::string_view givens) {
    if (givens.size() != 81) return false;
    for (char ch : givens)
        if (ch < '0' || ch > '9') return false;
    return true;
}

} // namespace

void PlaySession::ResetPlay() {
    QJ1_.ClearSolution();
    for (int i = 0; i < 81; ++i) {
        board_.cells().at(i).State = kStateOpen;
        board_.cells().at(i).Text.clear();
    }
    ResetColors(board_, marks_, SelectedDigit(), true);
    marking_ = false;
    // The board is empty, so leaving a candidate mode asks nothing.
    SelectMode(OperationMode::PencilAndPaper);
    PressDigit(1);
    autoUpdateEnabled_ = false;
    Changed(kChangedCommands);
}

bool PlaySession::NewGame(int level) {
    if (level < 0 || level >= kBankLevels || bank_.lineCount(level) < 2) return false;
    const Batch batch(*this);
    ResetPlay();
    DealGame(bank_, level, random_, QJ1_);
    StartDealt(level, QJ1_.GetGivensString());
    return true;
}

bool PlaySession::StartPuzzle(std::string_view givens, std::string_view solution, int level) {
    if (!IsGivensString(givens) || level < 0 || level > 5) return false;
    const Batch batch(*this);
    ResetPlay();
    QJ1_.LoadGivens(givens);
    // Without a solution the givens keep their digits, so the game still
    // counts as loaded (Restart, the last-game file).
    if (!solution.empty()) QJ1_.LoadSolutionString(solution);
    StartDealt(level, givens);
    return true;
}

void PlaySession::StartDealt(int level, std::string_view givens) {
    BoardCells& cells = board_.cells();
    board_.properties().nd = level;
    gameLoaded_ = true;
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = cells.at(i);
        n.CandHidden = 0;
        n.ErrorMark = false;
        board_.HideCandidates(n.Row, n.Col);
        const bool given = givens[i] != '0';
        n.State = given ? kStateGiven : kStateOpen;
        n.Text = given ? std::string(1, givens[i]) : std::string();
    }
    finished_ = false;
    wasSolved_ = false;
    branch_ = {true, false, false};
    Changed(kChangedGame | kChangedFinish | kChangedCommands | kChangedBoard);
    CountDigits();
    SelectDigit(1);
    frmstep_.StartLog(cells);
    candidatesOn_ = false;
    SetStepButtons({});
    SetClock(true, true);
    board_.HideMultiCandidates();
    SetDigitGrouping(true);
    tileOpen_ = false;
    if (listener_) listener_->TileClosed();
}

bool PlaySession::RestartGame() {
    if (QJ1_.GetGivensString() == std::string(81, '0')) return false;
    if (!listener_ || !listener_->AskYesNo("msg_title_confirm", "msg_restart")) return false;
    const Batch batch(*this);
    CloseTile();
    ResetColors(board_, marks_, SelectedDigit(), true);
    marking_ = false;
    gameLoaded_ = true;
    BoardCells& cells = board_.cells();
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = cells.at(i);
        if (n.State == kStateGiven) continue;
        n.Text.clear();
        n.State = kStateOpen;
    }
    cells.FindConflict();
    finished_ = false;
    wasSolved_ = false;
    // A fresh start closes any branch, also one the finish closed for good.
    branch_ = {true, false, false};
    Changed(kChangedGame | kChangedFinish | kChangedCommands | kChangedBoard);
    SelectMode(OperationMode::PencilAndPaper);
    PressDigit(1);
    candidatesOn_ = false;
    CountDigits();
    SelectDigit(1);
    board_.HideMultiCandidates();
    frmstep_.StartLog(cells);
    SetStepButtons({});
    SetClock(true, true);
    MarkWrongDigits(board_, QJ1_);
    return true;
}

void PlaySession::CountDigits() {
    const Batch batch(*this);
    counts_.fill(0);
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = board_.cells().at(i);
        if (n.State != kStateOpen && n.Text.size() == 1 && n.Text[0] >= '1' && n.Text[0] <= '9')
            ++counts_[n.Text[0] - '1'];
    }
    Changed(kChangedCounters);
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
    ShowStoredPosition(entry);
    SetStepButtons(frmstep_.NavigationButtons());
    HighlightSelected(board_, SelectedDigit());
    ApplyMarksNow();
    CountDigits();
}

// A stored position onto the board, drawn for the mode, with its error
// marks and finish state; on paper one digit stays selected.
void PlaySession::ShowStoredPosition(std::string_view line) {
    LoadPosition(line);
    // The finish badge belongs to a finished board only.
    BoardCells& cells = board_.cells();
    cells.FindConflict();
    finished_ = wasSolved_ = cells.IsSolved();
    Changed(kChangedFinish | kChangedBoard);
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        board_.RedrawPencil();
        if (SelectedDigit() == 0) {
            allowAllUp_ = false;
            PressDigit(1);
        }
        HighlightSelected(board_, SelectedDigit());
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
        HighlightSelected(board_, SelectedDigit());
        ApplyMarksNow();
    }
    Changed(kChangedBoard);
}

} // namespace velmar
