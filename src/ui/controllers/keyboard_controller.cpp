// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/keyboard_controller.h"

#include "game/play_session.h"
#include "ui/board/board_widget.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace velmar {

namespace {

struct ArrowStep {
    int key;
    int rowStep;
    int colStep;
};
constexpr ArrowStep kArrows[] = {
    {Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}};

} // namespace

KeyboardController::KeyboardController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), w_(window), s_(session) {
    connect(w_.board(), &TPICSD33::cellPressed, this,
            [this](int r, int c, Qt::MouseButton) { MoveTo(r, c); });
    connect(w_.board(), &TPICSD33::candidatePressed, this,
            [this](int r, int c, int, Qt::MouseButton) { MoveTo(r, c); });
    // Installed after the play controller's key preview, so it sees keys first.
    qApp->installEventFilter(this);
}

void KeyboardController::MoveTo(int row, int col) {
    cursor_.row = row;
    cursor_.col = col;
    Mirror();
}

void KeyboardController::Mirror() {
    if (cursor_.shown)
        w_.board()->SetKeyCursor(cursor_.row, cursor_.col);
    else
        w_.board()->SetKeyCursor(0, 0);
}

bool KeyboardController::KeyPressed(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    for (const ArrowStep& arrow : kArrows) {
        if (key.key() != arrow.key) continue;
        cursor_.Move(arrow.rowStep, arrow.colStep);
        Mirror();
        return true;
    }
    // The other keys act only once the cursor shows; before, they stay the
    // focused control's.
    if (!cursor_.shown) return false;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressCellKey(s_, cursor_.row, cursor_.col, shift ? CellKey::ActRight : CellKey::Act);
        return true;
    case Qt::Key_Space:
        PressCellKey(s_, cursor_.row, cursor_.col, CellKey::Act);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        PressCellKey(s_, cursor_.row, cursor_.col, CellKey::Erase);
        return true;
    default:
        return false;
    }
}

bool KeyboardController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !s_.gameLoaded()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &w_ || !w_.isActiveWindow() ||
        QApplication::activeModalWidget())
        return false;
    // The menu bar walks its menus with the arrows after Alt.
    if (qobject_cast<QMenuBar*>(widget)) return false;
    return KeyPressed(*static_cast<QKeyEvent*>(event));
}

} // namespace velmar
