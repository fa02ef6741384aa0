// SPDX-License-Identifier: GPL-3.0-or-later
// TfrmImport: the "Import Sudoku" dialog. The player types or pastes puzzle
// text, or loads one of four examples; OK hands the text to the
// import-or-create dialog, which recognises and converts it. The text area
// keeps its text between openings.
#pragma once

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace velmar {

class StringTable;

class TfrmImport : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmImport(const StringTable& texts, QWidget* parent = nullptr);

    // Captions from the table; the help line keeps the hint it shows.
    void Relabel();
    // The text area as one string, line breaks as typed.
    QString text() const;

    QPlainTextEdit* textArea() const { return Memo1_; }
    QLabel* helpLine() const { return Label1_; }
    QPushButton* okButton() const { return Button1_; }
    QPushButton* cancelButton() const { return Button2_; }
    // Example 1..4.
    QPushButton* exampleButton(int number) const { return examples_[number - 1]; }
    QMenu* contextMenu() const { return PopupMenu1_; }

  private:
    void LoadExample(int number);
    void ShowContextMenu(QPoint at);

    const StringTable& texts_;
    std::string helpKey_ = "frmImport.Label1.Caption"; // the input hint, or an example's
    QPlainTextEdit* Memo1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    std::array<QPushButton*, 4> examples_{};
    QMenu* PopupMenu1_ = nullptr;
    std::array<QAction*, 4> menuItems_{}; // Select All, Copy, Paste, Clear
};

} // namespace velmar
