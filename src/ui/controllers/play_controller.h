// SPDX-License-Identifier: GPL-3.0-or-later
// Play input on the main window: presses on the board, the digit buttons and
// counters, the keys 1..9 and Tab, the mode buttons, auto update, marking,
// the colour panel, the candidate tile and the new-game commands, each turned
// into a session call; and the status-line tips that explain them.
#pragma once

#include <QObject>

class QKeyEvent;

namespace velmar {

class PlaySession;
class TForm1;

class PlayController : public QObject {
    Q_OBJECT

  public:
    PlayController(TForm1& window, PlaySession& session, QObject* parent);

    // The main window became active: the tile closes. A click on a cell
    // that brought the window back keeps the open mark, so that the click
    // itself only closes the tile.
    void WindowActivated();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ConnectBoard();
    void ConnectPanel();
    void CellEntered(int row, int col);
    bool KeyPreview(QWidget* widget, QKeyEvent* key);

    TForm1& w_;
    PlaySession& s_;
};

} // namespace velmar
