// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse: a cell cursor that the arrow keys move over the
// board, and the keys that act on its cell. Every key becomes the click it
// stands for, so the history, the counters and the finish follow as they do
// for the mouse.
#pragma once

namespace velmar {

class PlaySession;

// The cursor is hidden until the first arrow press, which only shows it.
struct CellCursor {
    int row = 1;
    int col = 1;
    bool shown = false;

    // An arrow key: shows the cursor, or moves it one cell, wrapping round
    // at the edges of the board.
    void Move(int rowStep, int colStep);
};

enum class CellKey {
    Act,      // Enter or Space: a left click on the cell
    ActRight, // Shift+Enter: a right click on the cell
    Erase,    // Delete or Backspace: the placed digit goes
};

// What the key does to the cell, through the session's click operations. In
// the candidate modes Act places the selected digit when the cell shows it as
// a candidate, as a left click on that candidate does.
void PressCellKey(PlaySession& session, int row, int col, CellKey key);

} // namespace velmar
