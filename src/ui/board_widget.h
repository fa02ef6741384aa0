// SPDX-License-Identifier: GPL-3.0-or-later
// TPICSD33: the board view. One widget draws the 81 cells of its own
// BoardCells model with the cell geometry of the classic 422 x 422 board;
// every visible attribute (backgrounds, captions, candidate squares) is held
// per cell here, set by the redraw operations and repainted cell by cell.
// The widget knows no game rule: it reports presses and hovers, the window
// decides. Properties are per instance, so the same widget serves the main
// board, the solution viewers, the import grid and the appearance preview.
#pragma once

#include "board/board_cells.h"
#include "ui/tcolor.h"

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <array>

namespace velmar {

// The board's published properties; the brackets of each value are those of
// a freshly constructed board.
struct BoardProperties {
    TColor UNFoucsColor1 = 0xFFFFFF; // boxes 1, 3, 5, 7, 9
    TColor UNFoucsColor2 = 16759739; // boxes 2, 4, 6, 8
    TColor FoucsColor1 = 12043517;   // kept for the appearance settings
    TColor FoucsColor2 = 14538713;
    int FONTSize1 = 25; // givens
    int FONTSize2 = 25; // big digits
    int FONTSize3 = 12; // candidates
    TColor FONTColor1 = kBlack;
    TColor FONTColor2 = 0xFF0000;
    TColor FONTColor3 = 0x000080;
    int nd = 0; // level of the game on the board
    TColor errorcolor = 0x0B2EF4;
    TColor highcolor = 0xB1D3B1;
    bool autotranzt = true;
};

// What a press or the mouse position hits: a cell, and a candidate digit when
// it is over one of the cell's visible candidate squares (anywhere on the cell
// when its one candidate is drawn as a big digit).
struct BoardHit {
    int row = 0;   // 1..9, 0 = no cell
    int col = 0;   // 1..9
    int digit = 0; // 1..9 over a visible candidate square, else 0

    bool isCell() const { return row != 0; }
    bool operator==(const BoardHit&) const = default;
};

class TPICSD33 : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kSide = 422;
    static constexpr int kCellSide = 46;
    static constexpr int kCandidateSide = 13;

    explicit TPICSD33(QWidget* parent = nullptr);

    BoardCells& cells() { return cells_; }
    const BoardCells& cells() const { return cells_; }
    TPicNode& node(int row, int col) { return cells_.cell(row, col); }

    BoardProperties& properties() { return props_; }
    const BoardProperties& properties() const { return props_; }

    // Geometry, in widget coordinates.
    static int CellOffset(int rowOrCol); // 2, 48, 94, 142, ... 374
    static QRect CellRect(int row, int col);
    static QRect CandidateRect(int row, int col, int digit);
    BoardHit HitTest(QPoint pos) const;
    // The digit of an open cell whose one candidate is shown (drawn as a big
    // digit), else 0.
    int LoneCandidate(int row, int col) const;
    BoardHit Hover() const { return hover_; }

    // Redraws for each way of showing the position.
    void RedrawFull();
    void RedrawPencil();
    void RedrawAll();
    void RedrawForDigit(int digit);
    void RedrawFiltered(const std::string& digits);
    void HideMultiCandidates();
    void LayoutCells();

    // The cell's background when nothing marks it: box colour, the highlight
    // for a filled cell holding the selected digit, the error colour last.
    TColor DefaultColor(int row, int col, int selectedDigit) const;

    // Per-cell look, as the colour operations read and set it.
    TColor CellColor(int row, int col) const { return look(row, col).background; }
    void SetCellColor(int row, int col, TColor colour);
    TColor CandidateColor(int row, int col, int digit) const;
    void SetCandidateColor(int row, int col, int digit, TColor colour);
    // TPicNode.setcolor: the background of all nine candidate squares.
    void SetCandidatesColor(int row, int col, TColor colour);
    void SetCaptionColor(int row, int col, TColor colour);
    TColor CaptionColor(int row, int col) const { return look(row, col).captionColor; }
    QString Caption(int row, int col) const { return look(row, col).caption; }
    bool CandidateVisible(int row, int col, int digit) const;
    // Hide / Show / showhxs of one cell's nine candidate squares.
    void HideCandidates(int row, int col);
    void ShowCandidates(int row, int col);
    void ShowHeldCandidates(int row, int col);
    // The candidate font of one cell, and of all 81 cells at once.
    void SetCandidateFont(int row, int col, int pointSize, TColor colour);
    void SetAllCandidateFontSize(int pointSize);

    QSize sizeHint() const override { return {kSide, kSide}; }

    // Holds back screen updates while a handler rewrites many cells; the
    // cells changed meanwhile are repainted together when the last hold ends,
    // so a half-done position never reaches the screen.
    class UpdateHold {
      public:
        explicit UpdateHold(TPICSD33& board) : board_(board) { ++board_.holds_; }
        ~UpdateHold() {
            if (--board_.holds_ == 0) board_.FlushUpdates();
        }
        UpdateHold(const UpdateHold&) = delete;
        UpdateHold& operator=(const UpdateHold&) = delete;

      private:
        TPICSD33& board_;
    };
    bool updatesHeld() const { return holds_ > 0; }
    // Shows what changed so far although a hold is on, e.g. before a message
    // box that waits for the player.
    void FlushUpdates();

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
    struct CellLook {
        TColor background = kWhite;
        std::array<TColor, 9> candidateBackground{};
        std::array<bool, 9> candidateVisible{};
        QString caption;
        int captionSize = 25;
        TColor captionColor = kBlack;
        int candidateSize = 12;
        TColor candidateColor = 0x000080;

        bool operator==(const CellLook&) const = default;
    };

    CellLook& look(int row, int col) { return looks_[(row - 1) * 9 + col - 1]; }
    const CellLook& look(int row, int col) const { return looks_[(row - 1) * 9 + col - 1]; }
    // Applies a changed look and schedules a repaint of that cell only.
    void SetLook(int row, int col, const CellLook& changed);
    // Edits a copy of the cell's look and applies it.
    template <typename Edit> void Change(int row, int col, Edit edit) {
        CellLook l = look(row, col);
        edit(l);
        SetLook(row, col, l);
    }
    TColor BoxColor(int row, int col) const;
    // Shared painting of the redraws: background, caption and candidate font.
    void PaintShared(int row, int col, CellLook& l) const;
    void ShowHeld(const TPicNode& n, CellLook& l) const;
    void SetHover(BoardHit hit);
    void PaintCell(class QPainter& p, int row, int col) const;
    // Draws text centred in `area`; one-character texts come from a cache of
    // pre-rendered glyphs, since laying out text dominates a full repaint.
    void DrawCentred(class QPainter& p, const QRect& area, const QString& text, int pointSize,
                     TColor colour) const;
    void Repaint(const QRect& area);

    BoardCells cells_;
    BoardProperties props_;
    std::array<CellLook, 81> looks_{};
    BoardHit hover_;
    int holds_ = 0;
    QRegion pending_; // what changed while updates were held
    mutable QHash<quint64, QPixmap> glyphs_;
};

} // namespace velmar
