// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli games: the saved games of "games.dat" from the terminal. Every
// change holds the file's lock, reads the whole file afresh, refuses a
// damaged one untouched and writes the result atomically.
#include "app/cli/command_lists.h"
#include "board/board_cells.h"
#include "history/position_line.h"
#include "solver/solver.h"
#include "storage/games_file_update.h"
#include "storage/saved_games.h"
#include "storage/text_file_io.h"
#include "text/text_lines.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>

namespace velmar::cli {

namespace {

constexpr std::string_view kName = "games";
// Exit status of a damaged file, a missing game, a refused change.
constexpr int kFailed = 1;

struct Arguments {
    std::string file;
    bool defaultFile = true;
    std::vector<std::string> words; // the action and its NAME
    std::optional<int> level;
    bool replace = false;
};

int Fail(const std::string& message) {
    std::cerr << "velmar-cli " << kName << ": " << message << '\n';
    return kFailed;
}

int Exists(const std::string& name) {
    return Fail("a game named '" + name + "' exists (--replace overwrites it)");
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments out;
    bool onlyWords = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (onlyWords || arg.empty() || arg[0] != '-') {
            out.words.push_back(arg);
        } else if (arg == "--") {
            onlyWords = true;
        } else if (arg == "--file" && hasValue) {
            out.file = args[++i];
            out.defaultFile = false;
        } else if (const auto level = arg == "--level" && hasValue
                                          ? parseDecimal(args[i + 1], kUnknownLevel)
                                          : std::nullopt) {
            out.level = static_cast<int>(*level);
            ++i;
        } else if (arg == "--replace") {
            out.replace = true;
        } else {
            usageError(kName, arg == "--level"  ? "--level needs a level from 0 to 5"
                              : arg == "--file" ? "--file needs a PATH"
                                                : "unexpected argument '" + arg + "'");
            return std::nullopt;
        }
    }
    if (out.defaultFile) out.file = (dataFolder() / kGamesFileName).string();
    return out;
}

// Reads the file's records into `file`: 0, kFailed after a message for a
// damaged file, kUsageError for one that cannot be read. A missing file has
// no records.
int Load(const std::string& path, GamesFile& file) {
    const FileReadResult read = ReadTextFile(path);
    if (read.Outcome == FileReadResult::Missing) return 0;
    if (read.Outcome == FileReadResult::Failed)
        return usageError(kName, "cannot read '" + path + "': " + read.Reason);
    GamesFileRead parsed = GamesFile::Read(read.Text);
    if (!parsed.File) return Fail(path + ", " + parsed.Error.Describe());
    file = std::move(*parsed.File);
    return 0;
}

// Applies one change to the file under its lock: 0, or kFailed after a
// message. The change returns false after its own message (refused) or true.
int Change(const Arguments& args, const std::function<bool(GamesFile&)>& change) {
    if (args.defaultFile) {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(args.file).parent_path(), error);
        if (error) return Fail(args.file + ": " + error.message());
    }
    bool refused = false;
    const GamesFileUpdate update = UpdateGamesFile(args.file, [&](GamesFile& file) {
        refused = !change(file);
        return !refused;
    });
    if (update.Outcome == GamesFileUpdate::Damaged)
        return Fail(args.file + ", " + update.Error.Describe());
    if (update.Outcome == GamesFileUpdate::Failed) return Fail(args.file + ": " + update.Reason);
    return refused ? kFailed : 0;
}

// A board from one position line or one 81-character puzzle line ("1".."9"
// givens, any other character an open cell).
std::optional<BoardCells> BoardFromLine(std::string_view line) {
    BoardCells board;
    if (ReadPositionLine(board, line)) return board;
    if (line.size() != 81) return std::nullopt;
    for (int i = 0; i < 81; ++i) {
        const bool given = line[i] >= '1' && line[i] <= '9';
        board.at(i).State = given ? kStateGiven : kStateOpen;
        board.at(i).Text = given ? std::string(1, line[i]) : "";
    }
    return board;
}

// Reads the one line of standard input for "add" (empty lines may follow it;
// a byte-order mark before it is skipped): 0 with the line in `only`, kFailed
// for an over-long line or a second one, kUsageError after a read error.
int ReadOneLine(std::string& only) {
    return readInputLines(kName, {}, [&](const InputLine& line, const InputPlace& place) {
        if (place.line > 1) return line.text.empty() ? 0 : kFailed;
        if (line.overLong) return kFailed;
        const std::vector<std::string> split = SplitTextLines(line.text);
        only = split.empty() ? "" : split.front();
        return 0;
    });
}

// The solver's solution of the board's givens when there is exactly one.
std::string UniqueSolution(const BoardCells& board) {
    std::string givens(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& cell = board.at(i);
        if (cell.State == kStateGiven && cell.Text.size() == 1) givens[i] = cell.Text[0];
    }
    const UniquenessReport report = TestUniqueness(givens);
    return report.result == kOneSolution ? report.first : "";
}

int Add(const Arguments& args, const GamesFile& file, const std::string& name) {
    if (file.Find(name) != 0 && !args.replace) return Exists(name);
    std::string line;
    const int status = ReadOneLine(line);
    if (status == kUsageError) return status;
    std::optional<BoardCells> board;
    if (status == 0) board = BoardFromLine(line);
    if (!board) return Fail("expected one position line or one 81-character puzzle line on input");
    const SavedGame game{name, args.level.value_or(kUnknownLevel), UniqueSolution(*board), *board};
    // Another program may have saved the name since the first look.
    return Change(args, [&](GamesFile& current) {
        if (current.Find(name) != 0 && !args.replace) return Exists(name) == 0;
        return current.Replace(game) || Fail("the game cannot be stored") == 0;
    });
}

int RunGames(const std::vector<std::string>& raw) {
    const std::optional<Arguments> args = ParseArguments(raw);
    if (!args) return kUsageError;
    const std::vector<std::string>& words = args->words;
    const std::string action = words.empty() ? "" : words[0];
    const bool named = action == "add" || action == "show" || action == "delete";
    if (!(named || action == "list") || words.size() != (named ? 2u : 1u))
        return usageError(kName, "expected list, add NAME, show NAME or delete NAME");
    if ((args->level || args->replace) && action != "add")
        return usageError(kName, "--level and --replace belong to add");
    const std::string name = named ? words[1] : "";
    if (!IsStorableGameName(name))
        return usageError(kName, "a game name is UTF-8 text without line breaks or TABs");

    GamesFile file;
    if (const int status = Load(args->file, file); status != 0) return status;
    if (action == "list") {
        for (const GameListRow& row : file.List())
            std::cout << row.Name << '\t' << row.Level << '\n';
        return 0;
    }
    if (action == "add") return Add(*args, file, name);
    if (action == "delete")
        return Change(*args, [&](GamesFile& current) {
            return current.Delete(name) || Fail("no game named '" + name + "'") == 0;
        });
    const std::optional<SavedGame> game = file.Open(name);
    if (!game) return Fail("no game named '" + name + "'");
    std::cout << game->Level << '\n'
              << (game->Solution.empty() ? "-" : game->Solution) << '\n'
              << WritePositionLine(game->Board) << '\n';
    return 0;
}

} // namespace

std::vector<Command> gameCommands() {
    return {
        {"games", "list, add, show and delete the saved games",
         "Usage: velmar-cli games [--file PATH] list\n"
         "       velmar-cli games [--file PATH] add NAME [--level 0..5] [--replace]\n"
         "       velmar-cli games [--file PATH] show NAME\n"
         "       velmar-cli games [--file PATH] delete NAME\n"
         "\n"
         "Works on the saved games the game window's save dialog and game list use:\n"
         "\"games.dat\" in the data folder ($VELMAR_DATA_DIR, else\n"
         "$XDG_DATA_HOME/velmar or ~/.local/share/velmar), or the file PATH.\n"
         "Names are case-sensitive and kept exactly.\n"
         "\n"
         "  list    one line per game in file order: the name, a TAB, the level\n"
         "          (0 Very Easy, 1 Gentle, 2 Moderate, 3 Tough, 4 Diabolical,\n"
         "          5 Unknown)\n"
         "  add     reads one position line or one 81-character puzzle line ('1'..'9'\n"
         "          givens, anything else an open cell) from standard input and saves\n"
         "          it as the save dialog does, with the solver's solution when the\n"
         "          givens have exactly one, else none. The level defaults to 5. An\n"
         "          existing name is an error unless --replace: then the old game is\n"
         "          removed and the new one saved at the end\n"
         "  show    prints three lines: the level, the solution (\"-\" when unknown)\n"
         "          and the board as a position line\n"
         "  delete  removes the game\n"
         "\n"
         "The games file is read whole, at most 64 MiB; the line of \"add\" at most\n"
         "65536 bytes.\n"
         "\n"
         "Exit status 1, leaving the file untouched, for a damaged file (the message\n"
         "names the line), a game that is missing or already there, input for add\n"
         "that is not one such line, or a failed write; 2 for a usage error or an\n"
         "input that cannot be read. Writes replace the file atomically (through a\n"
         "symbolic link, to the file it names) while holding the lock file\n"
         "\"PATH.lock\" beside it, which the game window holds too; a writer waits up\n"
         "to 5 seconds for another one, then fails with exit status 1.\n",
         RunGames},
    };
}

} // namespace velmar::cli
