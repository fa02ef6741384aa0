// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/play_controller.h"

#include "game/play_session.h"
#include "ui/board/board_widget.h"
#include "ui/board/candidate_tile.h"
#include "ui/board/color_grid.h"
#include "ui/board/digit_counter.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/time_label.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

#include <optional>

namespace velmar {

namespace {

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MouseButton::Left;
    if (button == Qt::RightButton) return MouseButton::Right;
    return std::nullopt;
}

constexpr OperationMode kModes[] = {OperationMode::PencilAndPaper, OperationMode::AllCandidates,
                                    OperationMode::PartCandidates};

} // namespace

PlayController::PlayController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), w_(window), s_(session) {
    for (Command c : {Command::VeryEasy, Command::Gentle, Command::Moderate, Command::Tough,
                      Command::Diabolical})
        connect(w_.action(c), &QAction::triggered, this,
                [this, c] { s_.NewGame(LevelOfCommand(c)); });
    // The pencil tool button chooses the mode as its radio button does.
    connect(w_.action(Command::PencilMode), &QAction::triggered, this,
            [this] { s_.ChooseMode(OperationMode::PencilAndPaper); });
    ConnectBoard();
    ConnectPanel();
    connect(w_.tile(), &Tfrmtile::closed, this, [this] { s_.CommitEdit(); });
    qApp->installEventFilter(this); // key preview: digits and Tab before any control
}

void PlayController::ConnectBoard() {
    TPICSD33* board = w_.board();
    connect(board, &TPICSD33::cellPressed, this, [this](int r, int c, Qt::MouseButton b) {
        if (const auto button = ButtonOf(b)) s_.CellClick(r, c, *button);
    });
    connect(board, &TPICSD33::candidatePressed, this,
            [this](int r, int c, int d, Qt::MouseButton b) {
                if (const auto button = ButtonOf(b)) s_.CandidateClick(r, c, d, *button);
            });
    connect(board, &TPICSD33::cellEntered, this, &PlayController::CellEntered);
    connect(board, &TPICSD33::candidateEntered, this,
            [this] { w_.ShowTip(w_.LookupText(s_.marking() ? "msg_color" : "msg_notcolor")); });
    connect(board, &TPICSD33::hoverLeft, &w_, &TForm1::ClearTip);
}

void PlayController::ConnectPanel() {
    // The mode buttons only ask for a mode: the session decides, possibly
    // after a question, and the window shows the mode that holds. Clicked
    // comes after the release, so a question's modal box swallows nothing.
    for (OperationMode mode : kModes)
        connect(w_.modeButton(mode), &QRadioButton::clicked, this,
                [this, mode] { s_.ChooseMode(mode); });
    for (int d = 1; d <= 9; ++d) {
        connect(w_.digitButton(d), &QToolButton::clicked, this, [this, d] { s_.SelectDigit(d); });
        // A press on bar n is the same press on digit button n.
        connect(w_.counter(d), &Tmousepb::pressed, this, [this, d](Qt::MouseButton button) {
            if (!w_.digitButton(d)->isEnabled()) return;
            if (button == Qt::LeftButton) w_.digitButton(d)->click();
            if (button == Qt::RightButton) s_.DigitRightClick(d);
        });
    }
    connect(w_.autoUpdateBox(), &QCheckBox::clicked, this,
            [this](bool on) { s_.SetAutoUpdate(on); });
    connect(w_.markingBox(), &QCheckBox::clicked, this, [this](bool on) { s_.SetMarking(on); });
    connect(w_.colorGrid(), &TColorGrid::foregroundChanged, this,
            [this] { s_.SetMarkColour(w_.colorGrid()->foregroundColor()); });
    connect(w_.clearMarksButton(), &QToolButton::clicked, this, [this] { s_.ClearMarks(); });
}

void PlayController::WindowActivated() {
    if (!w_.tile()->isVisible()) return;
    TPICSD33* board = w_.board();
    const QPoint at = board->mapFromGlobal(QCursor::pos());
    s_.CloseTile(board->rect().contains(at) && board->HitTest(at).isCell());
}

void PlayController::CellEntered(int row, int col) {
    const TPicNode& n = s_.cells().cell(row, col);
    if (s_.marking()) return w_.ShowTip(w_.LookupText("msg_color"));
    if (n.State == kStateGiven) return w_.ClearTip();
    switch (s_.mode()) {
    case OperationMode::PencilAndPaper:
        return w_.ShowTip(w_.LookupText("msg_rb_one"));
    case OperationMode::AllCandidates:
        return w_.ShowTip(w_.LookupText(n.State == kStatePlaced ? "msg_tb_all" : "msg_right_pop"));
    case OperationMode::PartCandidates:
        if (n.State == kStateOpen) w_.ShowTip(w_.LookupText("msg_right_pop"));
        return;
    }
}

bool PlayController::KeyPreview(QWidget* widget, QKeyEvent* key) {
    const int k = key->key();
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && k >= Qt::Key_1 && k <= Qt::Key_9) {
        s_.DigitKey(k - Qt::Key_0);
        return true;
    }
    if (plain && k == Qt::Key_Tab) {
        s_.NextDigit();
        return true;
    }
    // The arrow keys would move between the mode buttons past the question.
    const bool modeButton = std::any_of(std::begin(kModes), std::end(kModes), [&](OperationMode m) {
        return widget == w_.modeButton(m);
    });
    return modeButton &&
           (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right);
}

bool PlayController::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = widget && widget->window() == &w_;
    if (event->type() == QEvent::KeyPress && ours && w_.isActiveWindow() &&
        !QApplication::activeModalWidget())
        return KeyPreview(widget, static_cast<QKeyEvent*>(event));
    int digit = 0;
    for (int d = 1; d <= 9 && ours; ++d)
        if (widget == w_.digitButton(d)) digit = d;
    if (event->type() == QEvent::MouseButtonPress && digit != 0 &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // A right click on a digit button selects several digits.
        if (widget->isEnabled()) s_.DigitRightClick(digit);
        return true;
    }
    // Status-line tips: a control's hint while the mouse is over it.
    if (!ours || widget == &w_) return false;
    if (event->type() == QEvent::Enter) {
        if (digit != 0)
            w_.ShowTip(w_.LookupText(s_.mode() == OperationMode::PartCandidates
                                         ? "rb_one_number_hint"
                                         : "rb_all_number_hint"));
        else if (widget == w_.clock() || widget == w_.levelLabel())
            w_.ClearTip(); // the clock and the level label only explain themselves as tool tips
        else if (widget != w_.board())
            w_.ShowTip(widget->toolTip());
    } else if (event->type() == QEvent::Leave) {
        w_.ClearTip();
    }
    return false;
}

} // namespace velmar
