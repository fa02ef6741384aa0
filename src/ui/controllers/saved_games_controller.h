// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games: "Save Current Board" opens the save dialog, "Display Your Game
// List" the game list, each reading "games.dat" afresh; a game chosen in the
// list is opened in the session.
#pragma once

#include "storage/saved_games.h"

#include <QObject>
#include <QString>

#include <optional>

namespace velmar {

class PlaySession;
class TForm1;

class SavedGamesController : public QObject {
    Q_OBJECT

  public:
    SavedGamesController(TForm1& window, PlaySession& session, QObject* parent);

    QString GamesPath() const;
    void SaveCurrentBoard();
    void DisplayGameList();
    // The list of any saved-games file; changes in it are written there.
    void ShowGameList(GamesFile games, const QString& path);

  private:
    // The file's games (a missing file is created empty); nullopt after
    // telling what is wrong with it.
    std::optional<GamesFile> LoadGames();
    void Save(GamesFile games, const std::string& name, int level);

    TForm1& w_;
    PlaySession& s_;
};

} // namespace velmar
