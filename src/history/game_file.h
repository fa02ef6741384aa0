// SPDX-License-Identifier: GPL-3.0-or-later
// The last-game file and replay files: one format for both. Line 1 is the
// level digit, a blank and the givens (81 characters, "0" for a non-given
// cell); line 2 the 81-digit solution or nothing when it is unknown; every
// further line one step of the log, oldest first. The cursor is not stored: a
// loaded game resumes at its last step.
//
// Reading checks the whole text before anything is used, so a damaged file
// yields an error naming its line and never half a game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_lines.h"

namespace velmar {

class BoardCells;
class StepLog;
class TQJ;

inline constexpr std::string_view kLastGameFileName = "lastgame.dat";
// The data folder's sub-folder where both replay file dialogs start.
inline constexpr std::string_view kReplayFolderName = "replay";
// Replay file dialogs: the filter list and the extension added to a name
// typed without one.
inline constexpr std::string_view kReplayFilters = "Velmar replay (*.vrp);;All files (*)";
inline constexpr std::string_view kReplaySuffix = "vrp";

struct GameFile {
    std::int32_t Level = 0;         // the board's nd, 0..5
    std::string Givens;             // 81 digits "0".."9", as GivensFromBoard gives them
    std::string Solution;           // 81 digits "1".."9", or "" when unknown
    std::vector<std::string> Steps; // position lines, entry 0 first; never empty when read

    bool operator==(const GameFile&) const = default;
};

// The complete content of a file, or what is wrong with it.
struct GameFileRead {
    std::optional<GameFile> File;
    TextFileError Error; // meaningful when File is empty
};

// The file's text: CR LF after every line.
std::string WriteGameFile(const GameFile& file);

// Reads a whole file's text (a byte-order mark and bare LF line ends are
// accepted, blank lines at the very end ignored). Refused: a level outside
// 0..5, givens that are not 81 digits, a solution that is neither empty nor
// 81 digits 1..9, a file without steps, any step that is not a position line.
GameFileRead ReadGameFile(std::string_view text);

// The game in play as a file: nd, the board's givens, the model's solution
// and every log entry.
GameFile GameFileOf(std::int32_t level, const BoardCells& board, const TQJ& model,
                    const StepLog& log);

// The game position model for a loaded file: the givens, then the solution
// when it is known. An unknown solution leaves the givens' digits in place
// (loading an empty solution would clear them, and Restart would then lose
// the givens).
void LoadGameFileModel(const GameFile& file, TQJ& model);

// Whether closing the program (or recording a step) should write the last
// game: not while the log still holds only its start-up placeholder, so a run
// in which no game was started keeps the previous run's last game.
bool HasGameToSave(const StepLog& log);

enum class GameFileUse { ContinueLastGame, LoadReplay };

// Loading either file sets nd and the level caption from the file's level and
// the clock to 0; the clock then runs after Continue and stays stopped after
// Load Replay. A cancelled Load Replay dialog changes nothing, the running
// game's clock included.
bool ClockRunsAfterLoad(GameFileUse use);

} // namespace velmar
