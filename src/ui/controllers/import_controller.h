// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzles from outside: "Import or Create Sudoku" (btimport, mnImportSudoku)
// opens the import-or-create dialog; "Paste Puzzle" (Ctrl+V) opens it with
// the clipboard's text already converted into its grid, or says "Invalid
// format." and changes nothing when the text is no puzzle.
#pragma once

#include <QObject>

namespace velmar {

class PlaySession;
class TForm1;
class Tfrm_new;

class ImportController : public QObject {
    Q_OBJECT

  public:
    ImportController(TForm1& window, PlaySession& session, QObject* parent);

    Tfrm_new* dialog() const { return frm_new_; }
    void OpenDialog();
    void PastePuzzle();
    // The dialog with the text's puzzle in its grid, as a paste opens it.
    void OpenPuzzle(const QString& text);

  private:
    TForm1& window_;
    PlaySession& session_;
    Tfrm_new* frm_new_ = nullptr;
};

} // namespace velmar
