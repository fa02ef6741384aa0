// SPDX-License-Identifier: GPL-3.0-or-later
// The one board painter: the cells of a const BoardDisplay (backgrounds,
// digits, candidate squares, colour marks, error and highlight colours) and
// the hover frame, on any QPainter at the classic 422 x 422 geometry. The
// main board, the solution viewer and pictures of the board all draw here.
#pragma once

#include "game/board_display.h"

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QRegion>

class QPainter;

namespace velmar {

// What a press or the mouse position hits: a cell, and a candidate digit when
// it is over one of the cell's visible candidate squares.
struct BoardHit {
    int row = 0;   // 1..9, 0 = no cell
    int col = 0;   // 1..9
    int digit = 0; // 1..9 over a visible candidate square, else 0

    bool isCell() const { return row != 0; }
    bool operator==(const BoardHit&) const = default;
};

namespace board_geometry {

inline constexpr int kSide = 422;
inline constexpr int kCellSide = 46;
inline constexpr int kCandidateSide = 13;

int CellOffset(int rowOrCol); // 2, 48, 94, 142, ... 374
QRect CellRect(int row, int col);
QRect CandidateRect(int row, int col, int digit);
// A candidate is hit on its own 13 x 13 square only; the rest of the cell,
// also around a lone candidate drawn large, is the cell.
BoardHit HitTest(const BoardDisplay& board, QPoint pos);

} // namespace board_geometry

// Pre-rendered one-character glyphs: laying out text dominates a repaint.
class GlyphCache {
  public:
    void Draw(QPainter& p, const QFont& font, const QRect& area, const QString& text, int pointSize,
              const QColor& colour);
    void Clear() {
        glyphs_.clear();
        faded_.clear();
    }

  private:
    QHash<quint64, QPixmap> glyphs_;
    QHash<quint64, QPixmap> faded_; // see-through ink keys apart from solid ink
};

struct BoardPaintOptions {
    QFont font;     // the digits' face; sizes come from the board
    BoardHit hover; // the square framed in red, if any
    QRegion region; // the cells to paint; empty for all
    GlyphCache* glyphs = nullptr;
    BoardHit cursor = {}; // the keyboard's cell, if any
};

void PaintBoard(QPainter& p, const BoardDisplay& board, const BoardPaintOptions& options);

} // namespace velmar
