// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/keyboard_play.h"

#include "game/play_session.h"

namespace velmar {

namespace {

int Wrap(int oneBased) {
    return (oneBased - 1 + 9) % 9 + 1;
}

} // namespace

void CellCursor::Move(int rowStep, int colStep) {
    if (!shown) {
        shown = true;
        return;
    }
    row = Wrap(row + rowStep);
    col = Wrap(col + colStep);
}

void PressCellKey(PlaySession& s, int row, int col, CellKey key) {
    const TPicNode& n = s.cells().cell(row, col);
    switch (key) {
    case CellKey::Act: {
        // Marking and the open tile take a click on the cell, whatever it shows.
        const int digit = s.SelectedDigit();
        if (!s.marking() && !s.tileOpen() && s.mode() != OperationMode::PencilAndPaper &&
            n.State == kStateOpen && digit != 0 && s.board().CandidateVisible(row, col, digit))
            return s.CandidateClick(row, col, digit, MouseButton::Left);
        return s.CellClick(row, col, MouseButton::Left);
    }
    case CellKey::ActRight:
        return s.CellClick(row, col, MouseButton::Right);
    case CellKey::Erase:
        // A right click erases a placed digit in every mode; while marking it
        // would paint, so the key does nothing then.
        if (n.State == kStatePlaced && !s.marking()) s.CellClick(row, col, MouseButton::Right);
        return;
    }
}

} // namespace velmar
