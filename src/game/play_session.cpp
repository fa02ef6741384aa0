// SPDX-License-Identifier: GPL-3.0-or-later
// Play input: presses on cells and candidate digits in each operation mode,
// colour marking, the common tail of every move with the finish test, digit
// selection, the mode changes and the candidate tile.
#include "game/play_session.h"

#include <algorithm>

namespace velmar {

namespace {

std::string DigitText(int digit) {
    return std::string(1, static_cast<char>('0' + digit));
}

} // namespace

PlaySession::PlaySession(const PuzzleBank& bank, Random& random)
    : bank_(bank), random_(random), board_(MainBoardProperties()) {
    // No game yet: 81 empty givens, which no click changes.
    for (int i = 0; i < 81; ++i) {
        board_.cells().at(i).Text.clear();
        board_.cells().at(i).State = kStateGiven;
    }
    board_.SetAllCandidateFontSize(board_.properties().FONTSize3);
}

void PlaySession::Flush() {
    if (frmstep_.Revision() != reportedLog_) {
        reportedLog_ = frmstep_.Revision();
        pending_ |= kChangedLog;
    }
    const unsigned changes = pending_;
    pending_ = 0;
    if (listener_ && changes != 0) listener_->SessionChanged(changes);
}

std::string PlaySession::DisplayDigits() const {
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        return candidatesOn_ ? "" : "123456789";
    case OperationMode::AllCandidates:
        return "123456789";
    case OperationMode::PartCandidates:
        break;
    }
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (digits_.Down(d)) digits += DigitText(d);
    return digits;
}

void PlaySession::CellClick(int row, int col, MouseButton button) {
    if (!gameLoaded_) return;
    const Batch batch(*this);
    if (marking_) return MarkClick(row, col, 0, button);
    if (CloseTileForClick() || finish_.reached) return;
    BoardCells& cells = board_.cells();
    TPicNode& n = cells.cell(row, col);
    if (mode_ != OperationMode::PencilAndPaper && n.State == kStatePlaced) {
        // The candidate modes take a placed digit out again, back to peers too.
        const std::string old = n.Text;
        n.Text = cells.PeerCandidates(row, col);
        n.State = kStateOpen;
        cells.RestoreToPeers(row, col, old.empty() ? '\0' : old[0]);
    } else if (button == MouseButton::Left && n.State != kStateGiven &&
               mode_ == OperationMode::PencilAndPaper && SelectedDigit() != 0) {
        // On paper a digit simply replaces whatever the cell held.
        n.Text = DigitText(SelectedDigit());
        n.State = kStatePlaced;
        board_.HideCandidates(row, col);
    } else if (button == MouseButton::Right && n.State != kStateGiven) {
        if (n.State == kStateOpen) {
            OpenTile(row, col);
        } else if (mode_ == OperationMode::PencilAndPaper && !n.Text.empty()) {
            n.State = kStateOpen;
            n.Text.clear();
        }
    }
    AfterMove("msg_puzzlesolved", true);
}

void PlaySession::CandidateClick(int row, int col, int digit, MouseButton button) {
    if (!gameLoaded_ || digit < 1 || digit > 9) return;
    const Batch batch(*this);
    if (marking_) return MarkClick(row, col, digit, button);
    if (CloseTileForClick() || finish_.reached) return;
    BoardCells& cells = board_.cells();
    TPicNode& n = cells.cell(row, col);
    const char d = static_cast<char>('0' + digit);
    if (button == MouseButton::Left) {
        n.Text = std::string(1, d);
        n.State = kStatePlaced;
        if (AutoUpdateActive()) cells.RemoveFromPeers(row, col);
    } else if (const auto at = n.Text.find(d); at != std::string::npos) {
        n.Text.erase(at, 1);
    }
    // The branch buttons are left as they are on this path.
    AfterMove("msg_puzzle_solved", false);
}

bool PlaySession::CloseTileForClick() {
    if (!tile_.open) return false;
    CloseTile();
    return true;
}

void PlaySession::MarkClick(int row, int col, int digit, MouseButton button) {
    const bool left = button == MouseButton::Left;
    if (digit == 0) {
        const TColor colour = left ? markColour_ : board_.DefaultColor(row, col, SelectedDigit());
        board_.SetCellColor(row, col, colour);
        board_.SetCandidatesColor(row, col, colour);
    } else {
        board_.SetCandidateColor(row, col, digit, left ? markColour_ : board_.CellColor(row, col));
    }
    CaptureMarks(board_, marks_, SelectedDigit());
    Changed(kChangedBoard);
}

void PlaySession::RedrawForMode() {
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        board_.RedrawPencil();
        break;
    case OperationMode::AllCandidates:
        board_.RedrawFiltered("123456789");
        break;
    case OperationMode::PartCandidates:
        board_.RedrawFiltered(DisplayDigits());
        break;
    }
}

void PlaySession::AfterMove(std::string_view messageKey, bool cellPath) {
    BoardCells& cells = board_.cells();
    cells.FindConflict();
    const bool solved = cells.IsSolved();
    Settle();
    if (!solved) return;
    // Said once, when the board becomes solved; the board then takes no
    // more moves, so nothing can make it solved again.
    const bool firstTime = !finish_.reached;
    SetFinish({true, true});
    SetClock(false, false);
    if (cellPath) SetBranch(BranchState::Closed());
    if (!firstTime) return;
    Flush(); // the finished board shows behind the message
    if (listener_) listener_->Inform(messageKey);
}

void PlaySession::Settle() {
    Recount();
    RecordStep();
    RedrawForMode();
    ApplyMarksNow();
}

void PlaySession::ApplyMarksNow() {
    ApplyMarks(board_, marks_, QJ1_, SelectedDigit());
    Changed(kChangedBoard);
}

void PlaySession::PressDigit(int digit) {
    digits_.Press(digit);
    Changed(kChangedDigits);
}

void PlaySession::SetDigitGrouping(bool single) {
    if (digits_.SetSingle(single)) Changed(kChangedDigits);
}

void PlaySession::SetBranch(BranchState branch) {
    branch_ = std::move(branch);
    Changed(kChangedCommands);
}

void PlaySession::SetFinish(FinishState finish) {
    finish_ = finish;
    Changed(kChangedFinish);
}

void PlaySession::SelectDigit(int digit) {
    if (digit < 1 || digit > 9) return;
    const Batch batch(*this);
    PressDigit(digit);
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        board_.RedrawPencil();
        break;
    case OperationMode::PartCandidates: {
        // Only open cells take candidates: a placed cell that a clash emptied
        // stays a placed cell, so the position stays a readable line.
        BoardCells& cells = board_.cells();
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                TPicNode& n = cells.cell(r, c);
                if (n.State == kStateOpen && n.Text.empty()) n.Text = cells.PeerCandidates(r, c);
            }
        board_.RedrawForDigit(SelectedDigit());
        break;
    }
    case OperationMode::AllCandidates:
        board_.RedrawAll();
        break;
    }
    ApplyMarksNow();
}

void PlaySession::DigitKey(int digit) {
    if (digit < 1 || digit > 9) return;
    const Batch batch(*this);
    SelectDigit(digit);
    board_.RedrawFiltered(DisplayDigits());
    ApplyMarksNow();
}

void PlaySession::NextDigit() {
    SelectDigit(digits_.Next());
}

void PlaySession::DigitRightClick(int digit) {
    if (mode_ != OperationMode::PartCandidates || digit < 1 || digit > 9) return;
    const Batch batch(*this);
    digits_.Toggle(digit);
    Changed(kChangedDigits);
    board_.RedrawFiltered(DisplayDigits());
    ApplyMarksNow();
}

bool PlaySession::ChooseMode(OperationMode mode) {
    const Batch batch(*this);
    Changed(kChangedMode); // the buttons show the mode that holds, whatever happens
    if (mode == mode_) return false;
    if (mode == OperationMode::PencilAndPaper && !ConfirmPencilMode()) return false;
    ModeChanged(mode);
    return true;
}

void PlaySession::SelectMode(OperationMode mode) {
    const Batch batch(*this);
    Changed(kChangedMode);
    if (mode != mode_) ModeChanged(mode);
}

bool PlaySession::ConfirmPencilMode() {
    if (!gameLoaded_) return true;
    BoardCells& cells = board_.cells();
    if (cells.CandidateState() != kCandidatesEdited) return true;
    Flush(); // the buttons show the mode that holds while the question is up
    if (!listener_ || !listener_->AskYesNo("msg_title_information", "msg_pencil_clear"))
        return false;
    Changed(kChangedMode);
    for (int i = 0; i < 81; ++i)
        if (cells.at(i).State == kStateOpen) cells.at(i).Text.clear();
    board_.HideMultiCandidates();
    Changed(kChangedBoard);
    return true;
}

void PlaySession::FillCandidates() {
    BoardCells& cells = board_.cells();
    bool anyEmpty = false;
    for (int i = 0; i < 81; ++i) anyEmpty = anyEmpty || cells.at(i).Text.empty();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            TPicNode& n = cells.cell(r, c);
            if (n.State != kStateOpen) continue;
            if (anyEmpty) n.Text = cells.PeerCandidates(r, c);
            if (AutoUpdateActive()) n.Text = cells.PrunedCandidates(r, c);
        }
}

void PlaySession::ModeChanged(OperationMode mode) {
    mode_ = mode;
    Changed(kChangedMode | kChangedBoard);
    BoardCells& cells = board_.cells();
    if (mode == OperationMode::PencilAndPaper) {
        // Candidates exactly as computed can be computed again: they go.
        if (cells.CandidateState() == kCandidatesExact)
            for (int i = 0; i < 81; ++i)
                if (cells.at(i).State == kStateOpen) cells.at(i).Text.clear();
        candidatesOn_ = false;
        autoUpdateEnabled_ = false;
        board_.RedrawPencil();
        if (SelectedDigit() == 0) {
            digits_.SetAllowAllUp(false);
            PressDigit(1);
        }
        SetDigitGrouping(true);
    } else {
        for (int i = 0; i < 81; ++i) cells.at(i).CandHidden = 1;
        candidatesOn_ = true;
        autoUpdateEnabled_ = true;
        FillCandidates();
        if (mode == OperationMode::AllCandidates) {
            board_.RedrawAll();
            digits_.SetAllowAllUp(true);
            SetDigitGrouping(true);
        } else {
            const int d = SelectedDigit() != 0 ? SelectedDigit() : 1;
            digits_.SetAllowAllUp(false);
            SetDigitGrouping(false);
            PressDigit(d);
            board_.RedrawForDigit(d);
        }
    }
    ApplyMarksNow();
    // Candidates filled in are a change of the board: a step.
    Recount();
    RecordStep();
}

void PlaySession::SetAutoUpdate(bool on) {
    const Batch batch(*this);
    autoUpdate_ = on;
    Changed(kChangedCommands);
}

void PlaySession::SetMarking(bool on) {
    const Batch batch(*this);
    marking_ = on;
    Changed(kChangedCommands);
}

void PlaySession::ClearMarks() {
    const Batch batch(*this);
    ResetColors(board_, marks_, SelectedDigit(), true);
    Changed(kChangedBoard);
}

void PlaySession::OpenTile(int row, int col) {
    tile_ = {true, row, col};
    if (listener_) listener_->TileOpened(row, col);
}

void PlaySession::WriteTile(const std::string& digits) {
    if (!gameLoaded_ || finish_.reached) return;
    const Batch batch(*this);
    TPicNode& n = board_.node(tile_.row, tile_.col);
    n.Text.clear();
    for (char d = '1'; d <= '9'; ++d)
        if (digits.find(d) != std::string::npos) n.Text += d;
    n.State = kStateOpen;
    board_.ShowHeldCandidates(tile_.row, tile_.col);
    // Pencil redraws then keep the marks the player set.
    if (mode_ == OperationMode::PencilAndPaper) n.CandHidden = 0;
    Changed(kChangedBoard);
    CommitEdit();
}

void PlaySession::AutoFillTile() {
    const Batch batch(*this);
    WriteTile(board_.cells().PeerCandidates(tile_.row, tile_.col));
    CloseTile();
}

void PlaySession::CloseTile(bool keepMark) {
    if (!keepMark) tile_.open = false;
    if (listener_) listener_->TileClosed();
}

} // namespace velmar
