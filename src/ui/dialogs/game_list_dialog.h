// SPDX-License-Identifier: GPL-3.0-or-later
// Tfrmgamelist, "Choose a sudoku": the saved games in file order, one row
// each (name, level), with Delete, Rename, OK and Cancel. Every change is
// made to "games.dat" at once, under its lock and on the file as it is then
// (another program may have changed it), and the list shows the result.
#pragma once

#include "storage/saved_games.h"

#include <QDialog>

#include <functional>
#include <optional>

class QPushButton;
class QTableWidget;

namespace velmar {

class TForm1;

class Tfrmgamelist : public QDialog {
    Q_OBJECT

  public:
    Tfrmgamelist(TForm1& window, GamesFile games, QString path);

    QTableWidget* grid() const { return StringGrid1_; }
    QPushButton* deleteButton() const { return Button1_; }
    QPushButton* renameButton() const { return Button2_; }
    QPushButton* okButton() const { return Button3_; }
    QPushButton* cancelButton() const { return Button4_; }

    // The game OK or a double click chose, when the list closed that way.
    const std::optional<SavedGame>& chosen() const { return chosen_; }

  private:
    void Fill(int selectRow);
    // The name of the selected row's record, or nullopt on the empty row.
    std::optional<std::string> SelectedName() const;
    // Applies the change to the file; false after a message when it failed.
    bool Store(const std::function<bool(GamesFile&)>& change);
    void DeleteClick();
    void RenameClick();
    void OpenClick();

    TForm1& w_;
    GamesFile games_;
    QString path_;
    std::optional<SavedGame> chosen_;
    QTableWidget* StringGrid1_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    QPushButton* Button3_ = nullptr;
    QPushButton* Button4_ = nullptr;
};

} // namespace velmar
