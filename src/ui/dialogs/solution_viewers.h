// SPDX-License-Identifier: GPL-3.0-or-later
// The two windows that show what "Show Solution" found: Tfrmda draws the
// solved board on a board view of its own, TFrmdas lists two different
// solutions as text when the puzzle has more than one.
#pragma once

#include "game/board_display.h"

#include <QDialog>

#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace velmar {

class StringTable;
class TPICSD33;

class Tfrmda : public QDialog {
    Q_OBJECT

  public:
    explicit Tfrmda(QWidget* parent = nullptr);

    // Givens of the main board as givens, every other cell the solution's
    // digit as a placed digit, in the main board's colours (box shading
    // included); then the board is redrawn and checked.
    void Fill(const BoardDisplay& mainBoard, std::string_view solution);
    void Relabel(const StringTable& texts);
    TPICSD33* board() const { return board_; }
    const BoardDisplay& shown() const { return shown_; }
    QPushButton* closeButton() const { return Button1_; }

  private:
    BoardDisplay shown_;
    TPICSD33* board_ = nullptr;
    QPushButton* Button1_ = nullptr;
};

class TFrmdas : public QDialog {
    Q_OBJECT

  public:
    explicit TFrmdas(QWidget* parent = nullptr);

    void Fill(const StringTable& texts, std::string_view first, std::string_view second);
    void Relabel(const StringTable& texts);
    QString text() const;
    QPushButton* closeButton() const { return Button1_; }

  private:
    QPlainTextEdit* Memo1_ = nullptr;
    QPushButton* Button1_ = nullptr;
};

} // namespace velmar
