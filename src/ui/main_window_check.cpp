// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tools around play: checking the board against the
// solution, showing the solution (computing it when the game has none) and
// taking the game back to its givens.
#include "ui/main_window.h"

#include "solver/solver.h"
#include "ui/board_widget.h"
#include "ui/candidate_tile.h"
#include "ui/prompter.h"
#include "ui/solution_viewers.h"
#include "ui/time_label.h"

#include <QCheckBox>
#include <QRadioButton>

namespace velmar {

namespace {

constexpr TColor kCheckRed = 254;

} // namespace

void TForm1::CheckError() {
    if (!gameLoaded_) return;
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    bool error = false;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TPicNode& n = board.node(r, c);
            const int solution = QJ1_.node(r, c).Digit;
            const char digit = static_cast<char>('0' + solution);
            if (n.Text.size() == 1) {
                if (solution != 0 && n.Text[0] != digit) {
                    board.SetCellColor(r, c, kCheckRed);
                    error = true;
                }
            } else if (mode_ != OperationMode::PencilAndPaper && n.State == kStateOpen &&
                       n.Text.find(digit) == std::string::npos) {
                // An open cell without its solution digit among the candidates
                // (an empty one included) is wrong too.
                board.SetCellColor(r, c, kCheckRed);
                board.SetCandidatesColor(r, c, kCheckRed);
                error = true;
            }
        }
    if (!error) prompter_->inform(LookupText("msg_title_information"), LookupText("msg_no_error"));
}

void TForm1::ShowSolution() {
    if (!gameLoaded_) return;
    if (!prompter_->askYesNo(LookupText("msg_title_confirm"), LookupText("msg_solve"))) return;
    const std::string known = QJ1_.GetSolutionString();
    if (!known.empty()) return ShowSolutionBoard(known);
    // No solution in the game: the givens on the board decide.
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = sd991_->cells().at(i);
        if (n.State == kStateGiven && n.Text.size() == 1) givens[i] = n.Text[0];
    }
    const UniquenessReport report = TestUniqueness(givens);
    switch (report.result) {
    case kOneSolution:
        ShowSolutionBoard(report.first);
        break;
    case kNoSolution:
        prompter_->inform(LookupText("msg_title_information"), LookupText("msg_nosolve"));
        break;
    default:
        prompter_->inform(LookupText("msg_title_information"), LookupText("msg_twosolve"));
        Frmdas_->Relabel(active_);
        Frmdas_->Fill(active_, report.first, report.second);
        Frmdas_->exec();
        break;
    }
}

void TForm1::ShowSolutionBoard(const std::string& solution) {
    frmda_->Relabel(active_);
    frmda_->Fill(sd991_->cells(), solution);
    frmda_->exec();
}

void TForm1::RestartGame() {
    // 1. nothing without a puzzle
    if (QJ1_.GetGivensString() == std::string(81, '0')) return;
    // 2. the question
    if (!prompter_->askYesNo(LookupText("msg_title_confirm"), LookupText("msg_restart"))) return;
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    frmtile_->clearOpenMark();
    frmtile_->hide();
    // 3. no colour marks, marking off, the board open for play
    ResetColors(board, marks_, SelectedDigit(), true);
    chkcolor_->setChecked(false);
    board.setEnabled(true);
    // 4. back to the givens
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = board.cells().at(i);
        if (n.State == kStateGiven) continue;
        n.Text.clear();
        n.State = kStateOpen;
    }
    board.cells().FindConflict();
    SetFinishLabelVisible(false);
    // 5. "Pencil and Paper", digit 1
    SelectMode(OperationMode::PencilAndPaper);
    rb_none_->setFocus();
    PressDigit(1);
    candidatesOn_ = false;
    // 6. counters, digit 1 as if clicked, single digits only
    CountDigits();
    SelectDigit(1);
    board.HideMultiCandidates();
    // 7. a fresh history
    frmstep_.StartLog(board.cells());
    SetStepButtons({});
    // 8. the clock from zero
    TimeLabel1_->setMS(0);
    TimeLabel1_->setTimerenabled(true);
    // 9. wrong digits (none are left, but marks of the last game may be)
    MarkWrongDigits(board, QJ1_);
}

} // namespace velmar
