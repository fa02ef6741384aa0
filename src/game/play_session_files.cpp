// SPDX-License-Identifier: GPL-3.0-or-later
// The game in play to and from its files: the last-game and replay files
// with their whole step log, and saved games with their position only. Every
// load goes through StartPuzzle, the one start of a game from outside, so a
// loaded game starts exactly as any other.
#include "game/play_session.h"

#include "history/game_file.h"
#include "history/position_line.h"
#include "storage/saved_games.h"

namespace velmar {

GameFile PlaySession::CurrentGameFile() const {
    return GameFileOf(level(), cells(), QJ1_, frmstep_);
}

bool PlaySession::HasGameToSave() const {
    return velmar::HasGameToSave(frmstep_);
}

void PlaySession::ResumeGame(std::string_view givens, std::string_view solution, int level,
                             std::vector<std::string> steps) {
    StartPuzzle(givens, solution, level);
    frmstep_.LoadEntries(std::move(steps));
    // Shown as Last Step shows a step: the mode its candidates call for, the
    // step buttons, the finish badge.
    GoStep(StepMove::Last);
}

void PlaySession::LoadGameFile(const GameFile& file, GameFileUse use) {
    const Batch batch(*this);
    ResumeGame(file.Givens, file.Solution, file.Level, file.Steps);
    LoadGameFileModel(file, QJ1_);
    // A finished game has nothing left to time.
    SetClock(ClockRunsAfterLoad(use) && !finished_, true);
}

SavedGame PlaySession::CurrentSavedGame(std::string_view name, int level) const {
    SavedGame game;
    game.Name.assign(name);
    game.Level = level;
    game.Solution = QJ1_.GetSolutionString();
    game.Board = cells();
    return game;
}

void PlaySession::OpenSavedGame(const SavedGame& game) {
    const Batch batch(*this);
    BoardCells position = game.Board;
    KeepsCandidatesWhenOpened(position);
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& cell = position.at(i);
        if (cell.State == kStateGiven && cell.Text.size() == 1) givens[i] = cell.Text[0];
    }
    ResumeGame(givens, game.Solution, game.Level, {WritePositionLine(position)});
    LoadSavedGameModel(game, QJ1_);
    // The log starts at the position as the player now sees it.
    frmstep_.StartLog(cells());
    SetStepButtons({});
}

} // namespace velmar
