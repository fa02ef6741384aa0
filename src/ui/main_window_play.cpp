// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's game actions: a new game, the digit counters, digit
// selection, the operation modes, the key preview and the status-line tips.
#include "ui/main_window.h"

#include "bank/puzzle_bank.h"
#include "model/random.h"
#include "ui/board_widget.h"
#include "ui/candidate_tile.h"
#include "ui/color_grid.h"
#include "ui/digit_counter.h"
#include "ui/prompter.h"
#include "ui/time_label.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>

namespace velmar {

namespace {

template <typename F> void ForEachCell(F f) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) f(r, c);
}

} // namespace

void TForm1::Trigger(Command command) {
    const int level = LevelOfCommand(command);
    if (level >= 0) return NewGame(level);
    switch (command) {
    case Command::PencilMode:
        if (ConfirmPencilMode()) rb_none_->click();
        break;
    case Command::CheckError:
        CheckError();
        break;
    case Command::ShowSolution:
        ShowSolution();
        break;
    case Command::Restart:
        RestartGame();
        break;
    case Command::FirstStep:
        GoStep(StepMove::First);
        break;
    case Command::BackStep:
        GoStep(StepMove::Back);
        break;
    case Command::NextStep:
        GoStep(StepMove::Next);
        break;
    case Command::LastStep:
        GoStep(StepMove::Last);
        break;
    case Command::ExportTexts:
        ExportTextsToDataFolder();
        break;
    case Command::Contents:
        ShowContents();
        break;
    case Command::About:
        ShowAbout();
        break;
    case Command::Exit:
        close();
        break;
    default:
        break; // the windows of the other commands are not built yet
    }
}

void TForm1::NewGame(int level) {
    // A bank list too short to draw from leaves the game as it is.
    if (level < 0 || level >= kBankLevels || bank_->lineCount(level) < 2) return;
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    // 1. an empty board without colours or marks
    QJ1_.ClearSolution();
    for (int i = 0; i < 81; ++i) {
        board.cells().at(i).State = kStateOpen;
        board.cells().at(i).Text.clear();
    }
    ResetColors(board, marks_, SelectedDigit(), true);
    // 2. "Clear Marking", Marking off
    ResetColors(board, marks_, SelectedDigit(), true);
    chkcolor_->setChecked(false);
    // 3. "Pencil and Paper" as if clicked
    rb_none_->setChecked(true);
    // 4. digit 1, auto update off
    PressDigit(1);
    cbautoupdate_->setEnabled(false);
    // 5. the deal
    QJ1_.LoadMarkedPuzzle(DrawBankLine(*bank_, level, Random::instance()));
    for (int i = 0; i < 81; ++i) board.cells().at(i).CandHidden = 0;
    // 6. the level label (13. stores the level the label reads)
    board.properties().nd = level;
    gameLoaded_ = true;
    RefreshLevelLabel();
    // 7. the givens on the board, and the board open for play
    ForEachCell([&](int r, int c) {
        TPicNode& n = board.node(r, c);
        board.HideCandidates(r, c);
        n.ErrorMark = false;
        const TNode& solution = QJ1_.node(r, c);
        if (solution.Fixed) {
            n.State = kStateGiven;
            n.Text = std::string(1, static_cast<char>('0' + solution.Digit));
        } else {
            n.State = kStateOpen;
        }
    });
    board.setEnabled(true);
    SetFinishLabelVisible(false);
    chkcolor_->setChecked(false);
    action(Command::StartBranch)->setEnabled(true);
    action(Command::AcceptBranch)->setEnabled(false);
    action(Command::RejectBranch)->setEnabled(false);
    // 8. the counters
    CountDigits();
    // 9. digit 1 selected and the board redrawn for the mode
    SelectDigit(1);
    // 10. a fresh history
    frmstep_.StartLog(board.cells());
    candidatesOn_ = false;
    // 11. nothing to step through yet
    SetStepButtons({});
    // 12. the clock from zero
    TimeLabel1_->setMS(0);
    TimeLabel1_->setTimerenabled(true);
    // 13. the level is the board's; only single digits stay drawn
    board.HideMultiCandidates();
    // 14. one digit at a time
    SetDigitGrouping(true);
    // 15. the tile is closed
    frmtile_->clearOpenMark();
    frmtile_->hide();
}

void TForm1::CountDigits() {
    std::array<int, 9> counts{};
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = sd991_->cells().at(i);
        if (n.State != kStateOpen && n.Text.size() == 1 && n.Text[0] >= '1' && n.Text[0] <= '9')
            ++counts[n.Text[0] - '1'];
    }
    for (int d = 0; d < 9; ++d) {
        counters_[d]->setPosition(counts[d]);
        counters_[d]->setBarColor(counts[d] >= 9 ? kRed : kBlue);
        counters_[d]->setToolTip(QString::number(counts[d]));
    }
    RecordStep();
}

void TForm1::SetStepButtons(const StepButtons& buttons) {
    action(Command::FirstStep)->setEnabled(buttons.First);
    action(Command::BackStep)->setEnabled(buttons.Back);
    action(Command::NextStep)->setEnabled(buttons.Next);
    action(Command::LastStep)->setEnabled(buttons.Last);
}

int TForm1::SelectedDigit() const {
    int selected = 0;
    for (int d = 1; d <= 9; ++d) {
        if (!disnote_[d - 1]->isChecked()) continue;
        if (selected != 0) return 0;
        selected = d;
    }
    return selected;
}

std::string TForm1::DisplayDigits() const {
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
        if (disnote_[d - 1]->isChecked()) digits += static_cast<char>('0' + d);
    return digits;
}

bool TForm1::AutoUpdateActive() const {
    return cbautoupdate_->isChecked() && cbautoupdate_->isEnabled();
}

void TForm1::PressDigit(int digit) {
    if (!digitGroup_->exclusive())
        for (QToolButton* b : disnote_) b->setChecked(false);
    disnote_[digit - 1]->setChecked(true);
}

void TForm1::SetDigitGrouping(bool single) {
    if (single == digitGroup_->exclusive()) return;
    const int keep = SelectedDigit() != 0 ? SelectedDigit() : 0;
    if (single) {
        // Several buttons may be down: the lowest one stays.
        int first = keep;
        for (int d = 9; d >= 1 && keep == 0; --d)
            if (disnote_[d - 1]->isChecked()) first = d;
        for (QToolButton* b : disnote_) b->setChecked(false);
        digitGroup_->setExclusive(true);
        if (first != 0) disnote_[first - 1]->setChecked(true);
    } else {
        digitGroup_->setExclusive(false);
    }
}

void TForm1::ApplyMarksNow() {
    ApplyMarks(*sd991_, marks_, QJ1_, SelectedDigit());
}

void TForm1::SelectDigit(int digit) {
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    PressDigit(digit);
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        board.RedrawPencil();
        break;
    case OperationMode::PartCandidates: {
        bool anyEmpty = false;
        for (int i = 0; i < 81; ++i) anyEmpty = anyEmpty || board.cells().at(i).Text.empty();
        if (anyEmpty)
            ForEachCell([&](int r, int c) {
                TPicNode& n = board.node(r, c);
                if (n.Text.empty() && n.State != kStateGiven)
                    n.Text = board.cells().PeerCandidates(r, c);
            });
        board.RedrawForDigit(SelectedDigit());
        break;
    }
    case OperationMode::AllCandidates:
        board.RedrawAll();
        break;
    }
    ApplyMarksNow();
}

void TForm1::OnModeToggled() {
    const OperationMode checked = rb_all_->isChecked()   ? OperationMode::AllCandidates
                                  : rb_one_->isChecked() ? OperationMode::PartCandidates
                                                         : OperationMode::PencilAndPaper;
    if (checked != mode_) ModeChanged(checked);
}

void TForm1::FillCandidates() {
    BoardCells& cells = sd991_->cells();
    bool anyEmpty = false;
    for (int i = 0; i < 81; ++i) anyEmpty = anyEmpty || cells.at(i).Text.empty();
    ForEachCell([&](int r, int c) {
        TPicNode& n = cells.cell(r, c);
        if (n.State != kStateOpen) return;
        if (anyEmpty) n.Text = cells.PeerCandidates(r, c);
        if (AutoUpdateActive()) n.Text = cells.PrunedCandidates(r, c);
    });
}

void TForm1::ModeChanged(OperationMode newMode) {
    mode_ = newMode;
    TPICSD33& board = *sd991_;
    const TPICSD33::UpdateHold hold(board);
    BoardCells& cells = board.cells();
    switch (newMode) {
    case OperationMode::PencilAndPaper:
        if (cells.CandidateState() == kCandidatesExact)
            for (int i = 0; i < 81; ++i)
                if (cells.at(i).State == kStateOpen) cells.at(i).Text.clear();
        candidatesOn_ = false;
        cbautoupdate_->setEnabled(false);
        board.RedrawPencil();
        if (SelectedDigit() == 0) {
            allowAllUp_ = false;
            PressDigit(1);
        }
        HighlightSelected(board, SelectedDigit());
        SetDigitGrouping(true);
        break;
    case OperationMode::AllCandidates:
    case OperationMode::PartCandidates: {
        const bool all = newMode == OperationMode::AllCandidates;
        for (int i = 0; i < 81; ++i) cells.at(i).CandHidden = 1;
        candidatesOn_ = true;
        cbautoupdate_->setEnabled(true);
        FillCandidates();
        if (all) {
            board.RedrawAll();
            allowAllUp_ = true;
            SetDigitGrouping(true);
        } else {
            const int d = SelectedDigit() != 0 ? SelectedDigit() : 1;
            allowAllUp_ = false;
            SetDigitGrouping(false);
            PressDigit(d);
            board.RedrawForDigit(d);
        }
        CountDigits();
        HighlightSelected(board, SelectedDigit());
        break;
    }
    }
    ApplyMarksNow();
    CountDigits();
}

void TForm1::CellEntered(int row, int col) {
    const TPicNode& n = sd991_->node(row, col);
    if (chkcolor_->isChecked()) return ShowTip(LookupText("msg_color"));
    if (n.State == kStateGiven) return ClearTip();
    switch (mode_) {
    case OperationMode::PencilAndPaper:
        return ShowTip(LookupText("msg_rb_one"));
    case OperationMode::AllCandidates:
        return ShowTip(LookupText(n.State == kStatePlaced ? "msg_tb_all" : "msg_right_pop"));
    case OperationMode::PartCandidates:
        if (n.State == kStateOpen) ShowTip(LookupText("msg_right_pop"));
        return;
    }
}

void TForm1::CandidateEntered() {
    ShowTip(LookupText(chkcolor_->isChecked() ? "msg_color" : "msg_notcolor"));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = widget && widget->window() == this;
    // Key preview: keys meant for this window, before its controls see them.
    if (event->type() == QEvent::KeyPress && ours && isActiveWindow() &&
        !QApplication::activeModalWidget()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && k >= Qt::Key_1 && k <= Qt::Key_9) {
            const TPICSD33::UpdateHold hold(*sd991_);
            SelectDigit(k - Qt::Key_0);
            sd991_->RedrawFiltered(DisplayDigits());
            ApplyMarksNow();
            return true;
        }
        if (k == Qt::Key_Tab && plain) {
            // The first button down in the order 9, 1, 2, ..., 8 decides.
            int next = 1;
            for (int d : {9, 1, 2, 3, 4, 5, 6, 7, 8})
                if (disnote_[d - 1]->isChecked()) {
                    next = d % 9 + 1;
                    break;
                }
            SelectDigit(next);
            return true;
        }
        // The modes change by a click only: the arrow keys would move to
        // "Pencil and Paper" without the question, and Space on it asks too.
        const bool modeButton = widget == rb_none_ || widget == rb_all_ || widget == rb_one_;
        if (modeButton &&
            (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right))
            return true;
        if (widget == rb_none_ && k == Qt::Key_Space) return !ConfirmPencilMode();
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && ours) {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        // A right click on a digit button selects several digits.
        const auto digit = std::find(disnote_.begin(), disnote_.end(), widget);
        if (digit != disnote_.end() && button == Qt::RightButton) {
            if (widget->isEnabled())
                DigitRightClick(static_cast<int>(digit - disnote_.begin()) + 1);
            return true;
        }
        // Pressing "Pencil and Paper" asks before edited candidates go.
        if (widget == rb_none_ && button == Qt::LeftButton && rb_none_->isEnabled())
            return !ConfirmPencilMode();
    }
    // Status-line tips: a control's hint while the mouse is over it.
    if (!ours || widget == this) return false;
    if (event->type() == QEvent::Enter) {
        const bool digitButton =
            std::find(disnote_.begin(), disnote_.end(), widget) != disnote_.end();
        if (digitButton)
            ShowTip(LookupText(mode_ == OperationMode::PartCandidates ? "rb_one_number_hint"
                                                                      : "rb_all_number_hint"));
        else if (widget == TimeLabel1_ || widget == ndtxt_)
            ClearTip(); // the clock and the level label only explain themselves as tool tips
        else if (widget != sd991_)
            ShowTip(widget->toolTip());
    } else if (event->type() == QEvent::Leave) {
        ClearTip();
    }
    return false;
}

void TForm1::ShowContents() {
    // The help page ships inside the program; a copy next to the program wins.
    QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/help1.html");
    if (!QFile::exists(page)) {
        page = dataFolder_ + QStringLiteral("help1.html");
        QFile::remove(page);
        QFile::copy(QStringLiteral(":/help/help1.html"), page);
    }
    if (!QFile::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        prompter_->inform(LookupText("msg_title_error"),
                          LookupText("msg_help_missing").replace(QStringLiteral("%1"), page));
}

void TForm1::ShowAbout() {
    prompter_->inform(LookupText("frm_about.caption"),
                      LookupText("frm_about.lbl1.caption") + QLatin1Char('\n') +
                          LookupText("frm_about.lbl3.caption") + QLatin1Char('\n') +
                          LookupText("frm_about.lbl2.caption"));
}

bool TForm1::finishLabelShown() const {
    return wcLabelAction_->isVisible();
}

} // namespace velmar
