// SPDX-License-Identifier: GPL-3.0-or-later
// GameStart: where a game comes from and what it starts with. Every way a
// game begins (a deal from the bank, a restart, an import, the last game, a
// replay, a saved game, a position shown for a picture) is one such value
// handed to PlaySession::BeginGame, the one place that resets play.
#pragma once

#include "board/board_cells.h"
#include "model/tqj.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct GameFile;
struct SavedGame;
enum class GameFileUse;

enum class GameSource { BankDeal, Puzzle, Restart, Import, LastGame, Replay, SavedGame };

struct GameStart {
    GameSource source = GameSource::BankDeal;
    int level = 0;                  // BankDeal: the bank level; else the board's level 0..5
    std::string givens;             // 81 digits, '0' for an open cell (not BankDeal, Restart)
    std::string solution;           // 81 digits, or "" when unknown
    TQJ game;                       // Import: the whole game position
    BoardCells board;               // Import: the board built; SavedGame: the board saved
    std::vector<std::string> steps; // LastGame, Replay: the log to resume

    // A game dealt from the bank's list of that level.
    static GameStart Deal(int level);
    // The game in play back at its givens, after asking.
    static GameStart Restart();
    // A puzzle from outside: its givens, its solution ("" when unknown), its level.
    static GameStart Puzzle(std::string_view givens, std::string_view solution, int level);
    // A puzzle built or imported: its game position and the board made from
    // it (givens, open cells with their candidate texts); the level is Unknown.
    static GameStart Imported(const TQJ& game, const BoardCells& board);
    // Continue or Load Replay: the file's game with its whole log.
    static GameStart FromFile(const GameFile& file, GameFileUse use);
    // A saved game: a new log from its position.
    static GameStart FromSaved(const SavedGame& game);

    // Resumes a log of steps rather than starting at the givens.
    bool resumesLog() const {
        return source == GameSource::LastGame || source == GameSource::Replay ||
               source == GameSource::SavedGame;
    }
};

} // namespace velmar
