// SPDX-License-Identifier: GPL-3.0-or-later
// "games.dat": every saved game in one text file of 13-line records.
//   1      "Name=" and the name exactly as typed (case-sensitive, may be empty)
//   2      the level digit 0..5, a blank, the 81-digit solution or nothing
//   3..11  the nine rows: nine 10-character fields of State digit and Text,
//          padded with blanks, so 90 characters
//   12, 13 empty
// The records begin at the first line starting with "Name="; lines before it
// are kept as they are and never read. GamesFile holds the file's lines, so
// every change writes back exactly what was read plus that change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_cells.h"
#include "model/levels.h"
#include "text/text_lines.h"

namespace velmar {

class TQJ;

inline constexpr std::string_view kGamesFileName = "games.dat";

struct SavedGame {
    std::string Name;
    std::int32_t Level = kUnknownLevel; // 0..5
    std::string Solution;               // 81 digits "1".."9", or "" when unknown
    BoardCells Board;                   // only State and Text are stored
};

// One row of the game list: a record's name and level, in file order.
struct GameListRow {
    std::string Name;
    std::int32_t Level = kUnknownLevel;

    bool operator==(const GameListRow&) const = default;
};

enum class RenameResult {
    Renamed,
    Unchanged,   // the new name is the current one: nothing to do
    NameTaken,   // another record has the new name: ask for another
    NotFound,    // no record has the current name
    InvalidName, // a line break, a TAB or malformed UTF-8 cannot be stored
};

struct GamesFileRead;

// A name a new or renamed game may take: UTF-8 without line breaks or TABs
// (a TAB would split the name in "games list"). Files written before TABs
// were refused still read.
bool IsStorableGameName(std::string_view name);

class GamesFile {
  public:
    // A file without records, as a missing "games.dat" reads.
    GamesFile() = default;

    // Reads the whole text (a byte-order mark and bare LF accepted, blanks at
    // line ends ignored, the last record's two empty lines may be missing).
    // Any record that is not as above gives an error naming its line, and so
    // does a file that ends inside a record's first eleven lines (cut short).
    static GamesFileRead Read(std::string_view text);
    // UTF-8 without byte-order mark, CR LF after every line.
    std::string Write() const;

    // The 1-based line number of the record's "Name=" line, 0 when absent.
    int Find(std::string_view name) const;
    std::vector<GameListRow> List() const;
    // The record of that name as a game, with every cell's Row and Col set.
    std::optional<SavedGame> Open(std::string_view name) const;

    // Appends the game as a new last record; false, changing nothing, for a
    // game that cannot be stored (name, level, solution or a cell malformed).
    // It does not look for the name: Find first, or use Replace.
    bool Append(const SavedGame& game);
    // Deletes the record of the game's name if there is one, then appends the
    // game: saving over a name moves that game to the end.
    bool Replace(const SavedGame& game);
    bool Delete(std::string_view name);
    // Renames in place; the record keeps its position.
    RenameResult Rename(std::string_view from, std::string_view to);

  private:
    // Index of the record's first line in lines_, or npos.
    std::size_t IndexOf(std::string_view name) const;
    std::size_t FirstRecord() const;

    std::vector<std::string> lines_;
};

// The complete file, or what is wrong with it.
struct GamesFileRead {
    std::optional<GamesFile> File;
    TextFileError Error; // meaningful when File is empty
};

// The game position model for an opened game: its solution, and a given
// exactly where the board's State is 1. With the solution unknown the givens
// keep their digits, so Restart still finds them.
void LoadSavedGameModel(const SavedGame& game, TQJ& model);

// The operation mode of an opened game: true for "All Candidates" when every
// open cell carries candidates and some differ from the computed ones (they
// are kept); otherwise every open cell's candidates are cleared and the game
// is played in "Pencil and Paper" (false).
bool KeepsCandidatesWhenOpened(BoardCells& board);

} // namespace velmar
