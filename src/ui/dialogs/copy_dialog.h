// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmcopy: "Copy Puzzle To Clipboard". It renders a board as text in one of
// the four clipboard formats, shows it in a fixed-width view and on "Copy"
// puts it on the system clipboard. The format and the blank box keep their
// values between openings; every opening starts on "No Candidate".
#pragma once

#include "board/board_cells.h"
#include "exchange/clipboard_text.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace velmar {

class StringTable;

class Tfrmcopy : public QDialog {
    Q_OBJECT

  public:
    explicit Tfrmcopy(QWidget* parent = nullptr);

    void Relabel(const StringTable& texts);
    // The board to render, "No Candidate" selected and rendered.
    void Open(const BoardCells& board);

    ClipboardFormat format() const { return format_; }
    // The rendering, every line ended by a line break, as "Copy" copies it.
    QString text() const { return text_; }

    QRadioButton* formatButton(ClipboardFormat format) const {
        return radio_[static_cast<int>(format) - 1];
    }
    QComboBox* blankBox() const { return blank_; }
    QLabel* blankLabel() const { return labelblank_; }
    QPlainTextEdit* view() const { return Memo1_; }
    QPushButton* copyButton() const { return Button1_; }
    QPushButton* closeButton() const { return Button2_; }

  private:
    void SelectFormat(ClipboardFormat format);
    void Render();
    void Copy();

    BoardCells board_;
    ClipboardFormat format_ = ClipboardFormat::NoCandidate;
    QString text_;
    QGroupBox* RadioGroup1_ = nullptr;
    std::array<QRadioButton*, 4> radio_{};
    QLabel* labelblank_ = nullptr;
    QComboBox* blank_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
};

} // namespace velmar
