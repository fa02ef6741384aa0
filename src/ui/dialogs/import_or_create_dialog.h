// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrm_new: the "Import or Create Sudoku" dialog, a view of the
// import-or-create rules on the cells of its own board view (sdnew). Mouse
// presses on the grid become the three edits, the buttons load the main
// board, import text, clear, check and play; "Play Puzzle" starts the game
// through the play session. The grid is kept between openings.
#pragma once

#include "exchange/import_or_create_model.h"
#include "game/board_display.h"

#include <QDialog>

class QPushButton;

namespace velmar {

class PlaySession;
class Prompter;
class StringTable;
class TPICSD33;
class TfrmImport;

class Tfrm_new : public QDialog {
    Q_OBJECT

  public:
    Tfrm_new(PlaySession& session, Prompter& prompter, const StringTable& texts,
             QWidget* parent = nullptr);

    // Captions of this dialog and of the import dialog it opens.
    void Relabel();
    // Recognises and converts a text into the grid; for a text of no layout
    // says "Invalid format." and keeps the grid. Returns the layout.
    int ImportText(const QString& text);

    const ImportOrCreateModel& model() const { return model_; }
    const BoardDisplay& shown() const { return shown_; }
    TPICSD33* grid() const { return sdnew_; }
    TfrmImport* importDialog() const { return frmImport_; }
    // Button1 .. Button6: Check, Play, Clear Grid, Quit, Load Puzzle, Import.
    QPushButton* button(int number) const { return buttons_[number - 1]; }

  signals:
    // "Play Puzzle" started a game on the main window.
    void gameStarted();

  private:
    void Button1Click(); // Check Puzzle
    void Button2Click(); // Play Puzzle
    void Button3Click(); // Clear Grid
    void Button5Click(); // Load Puzzle
    void Button6Click(); // Import
    void Inform(std::string_view key);
    // Every edit ends here: the grid's looks from its cells, then one repaint.
    void Redraw();

    PlaySession& session_;
    Prompter& prompter_;
    const StringTable& texts_;
    BoardDisplay shown_;
    ImportOrCreateModel model_;
    TPICSD33* sdnew_ = nullptr;
    TfrmImport* frmImport_ = nullptr;
    std::array<QPushButton*, 6> buttons_{};
};

} // namespace velmar
