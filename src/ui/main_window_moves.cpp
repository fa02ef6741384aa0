// SPDX-License-Identifier: GPL-3.0-or-later
// Play input: what a press on a cell or on one of its candidate digits does
// in each operation mode, colour marking, the common tail of every move with
// the finish test, several digits at once, and the question before edited
// candidates are dropped.
#include "ui/main_window.h"

#include "ui/board_widget.h"
#include "ui/candidate_tile.h"
#include "ui/color_grid.h"
#include "ui/prompter.h"
#include "ui/time_label.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

namespace velmar {

void TForm1::CellClick(int row, int col, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    // 1. marking paints and does nothing else
    if (chkcolor_->isChecked()) return MarkClick(row, col, 0, button);
    // 2. a click while the tile is open only closes it
    if (CloseTileForClick()) return;
    BoardCells& cells = board.cells();
    TPicNode& n = cells.cell(row, col);
    if (mode_ != OperationMode::PencilAndPaper && n.State == kStatePlaced) {
        // 3. the candidate modes take a placed digit out again
        const std::string old = n.Text;
        n.Text = cells.PeerCandidates(row, col);
        n.State = kStateOpen;
        cells.RestoreToPeers(row, col, old.empty() ? '\0' : old[0]);
        cells.FindConflict();
        CountDigits();
        board.RedrawFiltered(DisplayDigits());
        ApplyMarksNow();
    } else if (button == Qt::LeftButton && n.State != kStateGiven &&
               mode_ == OperationMode::PencilAndPaper && SelectedDigit() != 0) {
        // 4. pencil and paper: the selected digit replaces whatever was there
        n.Text = std::string(1, static_cast<char>('0' + SelectedDigit()));
        n.State = kStatePlaced;
        board.HideCandidates(row, col);
    } else if (button == Qt::RightButton && n.State != kStateGiven) {
        // 5. the tile for an open cell; pencil and paper erases a placed digit
        if (n.State == kStateOpen) {
            OpenTile(row, col);
        } else if (mode_ == OperationMode::PencilAndPaper && !n.Text.empty()) {
            n.State = kStateOpen;
            n.Text.clear();
        }
    }
    // 6. the common tail
    AfterMove("msg_puzzlesolved", true);
}

void TForm1::CandidateClick(int row, int col, int digit, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    // 1. marking paints the one candidate square
    if (chkcolor_->isChecked()) return MarkClick(row, col, digit, button);
    // Like a cell click, a press while the tile is open only closes it.
    if (CloseTileForClick()) return;
    BoardCells& cells = board.cells();
    TPicNode& n = cells.cell(row, col);
    const char d = static_cast<char>('0' + digit);
    if (button == Qt::LeftButton) {
        // 2. the candidate becomes the cell's digit
        n.Text = std::string(1, d);
        n.State = kStatePlaced;
        if (AutoUpdateActive()) cells.RemoveFromPeers(row, col);
    } else if (const auto at = n.Text.find(d); at != std::string::npos) {
        // 3. the candidate goes
        n.Text.erase(at, 1);
    }
    // 4. the common tail, branch buttons untouched
    AfterMove("msg_puzzle_solved", false);
}

bool TForm1::CloseTileForClick() {
    if (!frmtile_->openMark()) return false;
    frmtile_->clearOpenMark();
    frmtile_->hide();
    return true;
}

void TForm1::MarkClick(int row, int col, int digit, Qt::MouseButton button) {
    TPICSD33& board = *sd991_;
    if (digit == 0) {
        // The cell and its nine candidate squares.
        const TColor colour = button == Qt::LeftButton
                                  ? colorgrid1_->foregroundColor()
                                  : board.DefaultColor(row, col, SelectedDigit());
        board.SetCellColor(row, col, colour);
        board.SetCandidatesColor(row, col, colour);
    } else {
        const TColor colour =
            button == Qt::LeftButton ? colorgrid1_->foregroundColor() : board.CellColor(row, col);
        board.SetCandidateColor(row, col, digit, colour);
    }
    CaptureMarks(board, marks_, SelectedDigit());
}

void TForm1::RedrawForMode() {
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        sd991_->RedrawPencil();
        break;
    case OperationMode::AllCandidates:
        sd991_->RedrawFiltered("123456789");
        break;
    case OperationMode::PartCandidates:
        sd991_->RedrawFiltered(DisplayDigits());
        break;
    }
}

void TForm1::AfterMove(std::string_view messageKey, bool cellPath) {
    TPICSD33& board = *sd991_;
    // 1. conflicts and the finish test
    board.cells().FindConflict();
    const bool solved = board.cells().IsSolved();
    // 2. the counters, which record the step
    CountDigits();
    // 3. the redraw for the mode
    RedrawForMode();
    // 4. highlight and colour marks
    HighlightSelected(board, SelectedDigit());
    ApplyMarksNow();
    // 6. wrong digits in the big-digit colour (before the message, so that
    //    the board is complete while the message is up)
    MarkWrongDigits(board, QJ1_);
    // 5. the finish
    if (solved) {
        SetFinishLabelVisible(true);
        TimeLabel1_->setTimerenabled(false);
        if (cellPath)
            for (Command c : {Command::StartBranch, Command::AcceptBranch, Command::RejectBranch})
                action(c)->setEnabled(false);
        board.FlushUpdates(); // the finished board shows behind the message
        prompter_->inform(LookupText("msg_title_information"), LookupText(messageKey));
    }
}

void TForm1::DigitRightClick(int digit) {
    if (mode_ != OperationMode::PartCandidates) return;
    QToolButton* b = disnote_[digit - 1];
    b->setChecked(!b->isChecked());
    // At least one digit stays selected.
    if (DisplayDigits().empty()) b->setChecked(true);
    const TPICSD33::UpdateHold hold(*sd991_);
    sd991_->RedrawFiltered(DisplayDigits());
    ApplyMarksNow(); // the redraw repaints the backgrounds
}

bool TForm1::ConfirmPencilMode() {
    // Only a change of mode can drop candidates; choosing the mode that is
    // already on asks nothing.
    if (mode_ == OperationMode::PencilAndPaper || !gameLoaded_) return true;
    BoardCells& cells = sd991_->cells();
    if (cells.CandidateState() != kCandidatesEdited) return true;
    if (!prompter_->askYesNo(QStringLiteral("提示"), QStringLiteral("将删除所有标记，是否继续？")))
        return false; // the candidate mode stays checked
    const TPICSD33::UpdateHold hold(*sd991_);
    for (int i = 0; i < 81; ++i)
        if (cells.at(i).State == kStateOpen) cells.at(i).Text.clear();
    sd991_->HideMultiCandidates();
    return true;
}

void TForm1::SelectMode(OperationMode mode) {
    // As a click on the mode button: the change runs only if the mode changes.
    modeButton(mode)->setChecked(true);
}

void TForm1::OpenTile(int row, int col) {
    frmtile_->OpenTile(row, col, frameGeometry().topLeft());
    ShowTip(LookupText("howtoclosetile"));
}

} // namespace velmar
