// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmtile: the floating "Show Candidates" tile. Nine toggle buttons set the
// pencil marks of one open cell, every toggle written straight back into the
// cell; "Automatic" fills the cell's computed candidates and closes. The
// tile is a view of the session's target cell and open mark.
#pragma once

#include <QWidget>

#include <array>

class QToolButton;

namespace velmar {

class PlaySession;
class StringTable;

class Tfrmtile : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 64;
    static constexpr int kClientHeight = 104;

    Tfrmtile(PlaySession& session, QWidget* parent);

    // Shows the session's target cell just below and right of it; origin is
    // the main window's outer top left corner on the screen.
    void OpenTile(int row, int col, QPoint origin);
    void WriteBack();
    void Relabel(const StringTable& texts);

    QToolButton* digitButton(int digit) const { return A_[digit - 1]; }
    QToolButton* automaticButton() const { return AdvGlowButton1_; }

  signals:
    // The tile was closed, by any route.
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Toggle(int digit);

    PlaySession& session_;
    std::array<QToolButton*, 9> A_{};
    QToolButton* AdvGlowButton1_ = nullptr;
};

} // namespace velmar
