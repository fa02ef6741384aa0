// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play on the main window: the arrow keys show and move the cell
// cursor on the board; Enter, Space, Shift+Enter, Delete and Backspace act on
// its cell as the clicks they stand for. A click on a cell moves the cursor
// there, so keys and mouse work on the same cell.
#pragma once

#include "game/keyboard_play.h"

#include <QObject>

class QKeyEvent;

namespace velmar {

class PlaySession;
class TForm1;

class KeyboardController : public QObject {
    Q_OBJECT

  public:
    KeyboardController(TForm1& window, PlaySession& session, QObject* parent);

    const CellCursor& cursor() const { return cursor_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool KeyPressed(const QKeyEvent& key);
    void MoveTo(int row, int col);
    void Mirror();

    TForm1& w_;
    PlaySession& s_;
    CellCursor cursor_;
};

} // namespace velmar
