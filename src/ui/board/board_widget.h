// SPDX-License-Identifier: GPL-3.0-or-later
// TPICSD33: the board view. It paints a const BoardDisplay handed to it
// through the one board painter and reports presses and hovers; it owns no
// game state. Refresh compares what is shown with what was painted last and
// repaints only the cells that changed.
#pragma once

#include "ui/board/board_painter.h"

#include <QWidget>

#include <array>

namespace velmar {

class TPICSD33 : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kSide = board_geometry::kSide;
    static constexpr int kCellSide = board_geometry::kCellSide;
    static constexpr int kCandidateSide = board_geometry::kCandidateSide;

    explicit TPICSD33(QWidget* parent = nullptr);

    // The board to draw; it must outlive the widget or be replaced.
    void Show(const BoardDisplay& board);
    const BoardDisplay& display() const { return *board_; }
    // Schedules a repaint of the cells whose look changed since last time.
    void Refresh();

    static int CellOffset(int rowOrCol) { return board_geometry::CellOffset(rowOrCol); }
    static QRect CellRect(int row, int col) { return board_geometry::CellRect(row, col); }
    static QRect CandidateRect(int row, int col, int digit) {
        return board_geometry::CandidateRect(row, col, digit);
    }
    BoardHit HitTest(QPoint pos) const { return board_geometry::HitTest(*board_, pos); }
    BoardHit Hover() const { return hover_; }
    // The keyboard's cell cursor; row 0 hides it.
    void SetKeyCursor(int row, int col);
    BoardHit KeyCursor() const { return cursor_; }

    QSize sizeHint() const override { return {kSide, kSide}; }

  signals:
    void cellPressed(int row, int col, Qt::MouseButton button);
    void candidatePressed(int row, int col, int digit, Qt::MouseButton button);
    void cellEntered(int row, int col);
    void candidateEntered(int row, int col, int digit);
    void hoverLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // What a cell was painted from.
    struct Painted {
        CellLook look;
        std::string text;
        int state = 0;
        bool operator==(const Painted&) const = default;
    };
    Painted Snapshot(int index) const;
    void SetHover(BoardHit hit);

    const BoardDisplay* board_;
    std::array<Painted, 81> painted_{};
    BoardHit hover_;
    BoardHit cursor_;
    QPoint mouseAt_; // where the mouse was last seen
    GlyphCache glyphs_;
};

} // namespace velmar
