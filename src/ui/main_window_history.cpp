// SPDX-License-Identifier: GPL-3.0-or-later
// The move history on the main window: every recount records the board in
// the step log, and the four step buttons walk through it, each shown
// position redrawn for the operation mode its candidates call for.
#include "ui/main_window.h"

#include "history/position_line.h"
#include "ui/board_widget.h"

#include <QRadioButton>

namespace velmar {

void TForm1::RecordStep() {
    frmstep_.RecordStep(sd991_->cells());
    SetStepButtons(frmstep_.RecordButtons());
}

bool TForm1::ReadPositionLine(std::string_view line) {
    BoardCells& cells = sd991_->cells();
    if (!velmar::ReadPositionLine(cells, line)) return false;
    const int state = cells.CandidateState();
    const bool candidates = state == kCandidatesExact || state == kCandidatesEdited;
    SelectMode(candidates ? OperationMode::AllCandidates : OperationMode::PencilAndPaper);
    return true;
}

void TForm1::GoStep(StepMove move) {
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    // 1. the cursor
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
    // 2. the position; a damaged entry (the placeholder of a log without a
    //    game) leaves the board as it is
    const std::string entry = *line; // a mode change may record and move the log
    ReadPositionLine(entry);
    // 3. error marks for the shown position; the finish badge belongs to a
    //    finished board only
    board.cells().FindConflict();
    SetFinishLabelVisible(board.cells().IsSolved());
    // 4. the redraw for the mode
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        board.RedrawPencil();
        if (SelectedDigit() == 0) {
            allowAllUp_ = false;
            PressDigit(1);
        }
        HighlightSelected(board, SelectedDigit());
        break;
    case OperationMode::AllCandidates:
        board.RedrawAll();
        break;
    case OperationMode::PartCandidates:
        board.RedrawForDigit(SelectedDigit());
        break;
    }
    // 5. the buttons for the new cursor
    SetStepButtons(frmstep_.NavigationButtons());
    // 6. highlight, colour marks, counters (which record and set the buttons)
    HighlightSelected(board, SelectedDigit());
    ApplyMarksNow();
    CountDigits();
}

} // namespace velmar
