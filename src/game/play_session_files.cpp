// SPDX-License-Identifier: GPL-3.0-or-later
// The game in play as its files: the last-game and replay files with their
// whole step log, and saved games with their position only. Loading them is
// a GameStart like any other (see play_session_begin.cpp).
#include "game/play_session.h"

#include "history/game_file.h"
#include "storage/saved_games.h"

namespace velmar {

GameFile PlaySession::CurrentGameFile() const {
    return GameFileOf(level(), cells(), QJ1_, frmstep_);
}

bool PlaySession::HasGameToSave() const {
    return velmar::HasGameToSave(frmstep_);
}

SavedGame PlaySession::CurrentSavedGame(std::string_view name, int level) const {
    SavedGame game;
    game.Name.assign(name);
    game.Level = level;
    game.Solution = QJ1_.GetSolutionString();
    game.Board = cells();
    return game;
}

} // namespace velmar
