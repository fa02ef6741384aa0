// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_start.h"

#include "history/game_file.h"
#include "history/position_line.h"
#include "model/levels.h"
#include "storage/saved_games.h"

namespace velmar {

GameStart GameStart::Deal(int level) {
    GameStart start;
    start.level = level;
    return start;
}

GameStart GameStart::Restart() {
    GameStart start;
    start.source = GameSource::Restart;
    return start;
}

GameStart GameStart::Puzzle(std::string_view givens, std::string_view solution, int level) {
    GameStart start;
    start.source = GameSource::Puzzle;
    start.givens.assign(givens);
    start.solution.assign(solution);
    start.level = level;
    return start;
}

GameStart GameStart::Imported(const TQJ& game, const BoardCells& board) {
    GameStart start;
    start.source = GameSource::Import;
    start.level = kUnknownLevel;
    start.game = game;
    start.board = board;
    return start;
}

GameStart GameStart::FromFile(const GameFile& file, GameFileUse use) {
    GameStart start = Puzzle(file.Givens, file.Solution, file.Level);
    start.source = use == GameFileUse::ContinueLastGame ? GameSource::LastGame : GameSource::Replay;
    start.steps = file.Steps;
    return start;
}

GameStart GameStart::FromSaved(const SavedGame& game) {
    // The log starts at the position as the player sees it: candidates are
    // kept only when the player edited all of them.
    BoardCells position = game.Board;
    KeepsCandidatesWhenOpened(position);
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& cell = position.at(i);
        if (cell.State == kStateGiven && cell.Text.size() == 1) givens[i] = cell.Text[0];
    }
    GameStart start = Puzzle(givens, game.Solution, game.Level);
    start.source = GameSource::SavedGame;
    start.board = game.Board;
    start.steps = {WritePositionLine(position)};
    return start;
}

} // namespace velmar
