// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmtile: the floating "Show Candidates" tile. Nine toggle buttons set the
// pencil marks of one open cell, every toggle written straight back into the
// cell; "Automatic" fills the cell's computed candidates and closes.
#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QToolButton;

namespace velmar {

class StringTable;
class TPICSD33;

class Tfrmtile : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 64;
    static constexpr int kClientHeight = 104;

    // pencilMode tells whether the board is in "Pencil and Paper" mode.
    Tfrmtile(TPICSD33& board, std::function<bool()> pencilMode, QWidget* parent);

    // Opens for cell (row, col) just below and right of it; origin is the
    // main window's outer top left corner on the screen.
    void OpenTile(int row, int col, QPoint origin);
    void WriteBack();
    void AutoFillTile();
    void Relabel(const StringTable& texts);

    // Set while the tile is open; the main window reads and clears it.
    bool openMark() const { return openMark_; }
    void clearOpenMark() { openMark_ = false; }
    int targetRow() const { return row_; }
    int targetCol() const { return col_; }
    QToolButton* digitButton(int digit) const { return A_[digit - 1]; }
    QToolButton* automaticButton() const { return AdvGlowButton1_; }

  signals:
    // The target cell was rewritten.
    void written();
    // The tile was closed, by any route.
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Toggle(int digit);

    TPICSD33& board_;
    std::function<bool()> pencilMode_;
    std::array<QToolButton*, 9> A_{};
    QToolButton* AdvGlowButton1_ = nullptr;
    int row_ = 1;
    int col_ = 1;
    bool openMark_ = false;
};

} // namespace velmar
