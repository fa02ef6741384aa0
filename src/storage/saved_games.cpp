// SPDX-License-Identifier: GPL-3.0-or-later
// The games.dat records. Reading checks every record whole before the file
// is used; afterwards every record is well formed, so finding, listing and
// opening need no error paths, and changes only ever add well-formed records.
#include "storage/saved_games.h"

#include "history/position_line.h"
#include "model/tqj.h"
#include "text/trim.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

constexpr std::size_t kRecordLines = 13;
constexpr std::size_t kFieldWidth = 10;
constexpr std::size_t kRowWidth = 9 * kFieldWidth;
constexpr std::string_view kNamePrefix = "Name=";

// Every row, column and box of an 81-digit grid holds each digit once.
bool IsValidGrid(std::string_view grid) {
    std::array<unsigned, 27> seen{};
    for (std::size_t i = 0; i < 81; ++i) {
        const unsigned bit = 1u << (grid[i] - '1');
        const std::size_t row = i / 9, col = i % 9, box = row / 3 * 3 + col / 3;
        for (const std::size_t unit : {row, 9 + col, 18 + box}) {
            if (seen[unit] & bit) return false;
            seen[unit] |= bit;
        }
    }
    return true;
}

bool IsSolution(std::string_view text) {
    return text.empty() || (IsDigitString(text, '1') && IsValidGrid(text));
}

// A given or a placed cell holds exactly one digit; an open cell its
// candidates.
std::optional<PositionEntry> ParseCellField(const std::string& entry) {
    auto parsed = ParsePositionEntry(entry);
    if (parsed && parsed->State != kStateOpen && parsed->Text.size() != 1) return std::nullopt;
    return parsed;
}

bool IsReadableGameName(std::string_view name) {
    return IsUtf8(name) && name.find_first_of("\r\n") == std::string_view::npos;
}

// Whether the text's last line was cut before its line end inside one of a
// record's first eleven lines: the file was truncated in the middle of a game.
bool EndsInsideRecord(std::string_view text, std::size_t lineCount, std::size_t first) {
    if (text.empty() || text.back() == '\n' || text.back() == '\r') return false;
    const std::size_t last = lineCount - 1;
    return last >= first && (last - first) % kRecordLines < kRecordLines - 2;
}

std::string_view RightTrimmed(std::string_view line) {
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
    return line;
}

// The level digit and the solution of a level line; nullopt when malformed.
// A level line without its trailing blank (an editor's trimming) still reads.
struct LevelLine {
    std::int32_t Level = 0;
    std::string_view Solution;
};
std::optional<LevelLine> ParseLevelLine(std::string_view line) {
    line = RightTrimmed(line);
    if (line.empty() || line[0] < '0' || line[0] > '0' + kUnknownLevel) return std::nullopt;
    if (line.size() > 1 && line[1] != ' ') return std::nullopt;
    const std::string_view solution = TrimBlanks(line.substr(1));
    if (!IsSolution(solution)) return std::nullopt;
    return LevelLine{line[0] - '0', solution};
}

using RowCells = std::array<PositionEntry, 9>;

// The nine cells of a row line, padded to its full width; nullopt when a
// field is not a State digit and the cell's Text.
std::optional<RowCells> ParseRowLine(std::string_view line) {
    line = RightTrimmed(line);
    if (line.size() > kRowWidth) return std::nullopt;
    std::string padded(line);
    padded.resize(kRowWidth, ' ');
    RowCells cells;
    for (std::size_t c = 0; c < 9; ++c) {
        const std::string_view field =
            std::string_view(padded).substr(c * kFieldWidth, kFieldWidth);
        std::string entry(1, field[0]);
        entry += TrimBlanks(field.substr(1));
        auto parsed = ParseCellField(entry);
        if (!parsed) return std::nullopt;
        cells[c] = std::move(*parsed);
    }
    return cells;
}

// The nine cells as a 90-character row line.
std::string RowText(const RowCells& cells) {
    std::string line;
    line.reserve(kRowWidth);
    for (const PositionEntry& cell : cells) {
        std::string field = std::to_string(cell.State) + cell.Text;
        field.resize(kFieldWidth, ' ');
        line += field;
    }
    return line;
}

std::string RowLine(const BoardCells& board, int row) {
    RowCells cells;
    for (int col = 1; col <= 9; ++col)
        cells[col - 1] = {board.cell(row, col).State, board.cell(row, col).Text};
    return RowText(cells);
}

std::string LevelText(std::int32_t level, std::string_view solution) {
    return std::to_string(level) + ' ' + std::string(solution);
}

bool IsStorable(const SavedGame& game) {
    if (!IsStorableGameName(game.Name)) return false;
    if (game.Level < 0 || game.Level > kUnknownLevel || !IsSolution(game.Solution)) return false;
    for (int i = 0; i < 81; ++i) {
        const TPicNode& cell = game.Board.at(i);
        if (cell.State < kStateGiven || cell.State > kStateOpen) return false;
        if (!ParseCellField(std::to_string(cell.State) + cell.Text)) return false;
    }
    return true;
}

std::vector<std::string> RecordLines(const SavedGame& game) {
    std::vector<std::string> lines;
    lines.reserve(kRecordLines);
    lines.push_back(std::string(kNamePrefix) + game.Name);
    lines.push_back(LevelText(game.Level, game.Solution));
    for (int row = 1; row <= 9; ++row) lines.push_back(RowLine(game.Board, row));
    lines.emplace_back();
    lines.emplace_back();
    return lines;
}

GamesFileRead Damaged(std::size_t index, std::string message) {
    return {std::nullopt, {static_cast<int>(index) + 1, std::move(message)}};
}

// Checks the record at `start` and rewrites it in the form the writer uses
// (editors may have dropped the blanks at line ends). Returns what is wrong,
// or an empty message.
TextFileError CheckRecord(std::vector<std::string>& lines, std::size_t start) {
    const auto at = [&](std::size_t k, std::string message) {
        return TextFileError{static_cast<int>(start + k) + 1, std::move(message)};
    };
    if (!IsReadableGameName(lines[start]))
        return at(0, "the game name is not UTF-8 text without line breaks");
    const std::optional<LevelLine> level = ParseLevelLine(lines[start + 1]);
    if (!level)
        return at(1, "expected a level from 0 to 5, a blank and an empty or 81-digit solution");
    lines[start + 1] = LevelText(level->Level, level->Solution);
    for (std::size_t row = 0; row < 9; ++row) {
        const std::optional<RowCells> cells = ParseRowLine(lines[start + 2 + row]);
        if (!cells) return at(2 + row, "expected a board row of nine 10-character cells");
        lines[start + 2 + row] = RowText(*cells);
    }
    for (std::size_t k = 11; k < kRecordLines; ++k) {
        if (!TrimBlanks(lines[start + k]).empty()) return at(k, "expected an empty line");
        lines[start + k].clear();
    }
    return {};
}

} // namespace

bool IsStorableGameName(std::string_view name) {
    return IsReadableGameName(name) && name.find('\t') == std::string_view::npos;
}

GamesFileRead GamesFile::Read(std::string_view text) {
    GamesFile file;
    file.lines_ = SplitTextLines(text);
    std::vector<std::string>& lines = file.lines_;
    const std::size_t first = file.FirstRecord();
    if (EndsInsideRecord(text, lines.size(), first))
        return Damaged(lines.size() - 1, "the file ends inside a game record (cut short)");
    for (std::size_t start = first; start < lines.size(); start += kRecordLines) {
        if (!lines[start].starts_with(kNamePrefix))
            return Damaged(start, "a game record must begin with \"Name=\"");
        const std::size_t left = lines.size() - start;
        if (left < kRecordLines) {
            // Only the two empty lines of the last record may be missing.
            if (left < kRecordLines - 2)
                return Damaged(lines.size() - 1, "the game record of line " +
                                                     std::to_string(start + 1) + " ends early");
            lines.resize(start + kRecordLines);
        }
        if (TextFileError error = CheckRecord(lines, start); !error.Message.empty())
            return {std::nullopt, std::move(error)};
    }
    return {std::move(file), {}};
}

std::string GamesFile::Write() const {
    return JoinTextLines(lines_);
}

std::size_t GamesFile::FirstRecord() const {
    const auto it = std::find_if(lines_.begin(), lines_.end(), [](const std::string& line) {
        return line.starts_with(kNamePrefix);
    });
    return static_cast<std::size_t>(it - lines_.begin());
}

std::size_t GamesFile::IndexOf(std::string_view name) const {
    for (std::size_t i = FirstRecord(); i < lines_.size(); i += kRecordLines) {
        if (std::string_view(lines_[i]).substr(kNamePrefix.size()) == name) return i;
    }
    return std::string::npos;
}

int GamesFile::Find(std::string_view name) const {
    const std::size_t index = IndexOf(name);
    return index == std::string::npos ? 0 : static_cast<int>(index) + 1;
}

std::vector<GameListRow> GamesFile::List() const {
    std::vector<GameListRow> rows;
    for (std::size_t i = FirstRecord(); i < lines_.size(); i += kRecordLines)
        rows.push_back({lines_[i].substr(kNamePrefix.size()), lines_[i + 1][0] - '0'});
    return rows;
}

std::optional<SavedGame> GamesFile::Open(std::string_view name) const {
    const std::size_t index = IndexOf(name);
    if (index == std::string::npos) return std::nullopt;
    SavedGame game;
    game.Name.assign(name);
    const LevelLine level = *ParseLevelLine(lines_[index + 1]);
    game.Level = level.Level;
    game.Solution.assign(level.Solution);
    for (int row = 1; row <= 9; ++row) {
        auto cells = *ParseRowLine(lines_[index + 1 + row]);
        for (int col = 1; col <= 9; ++col) {
            TPicNode& cell = game.Board.cell(row, col);
            cell.State = cells[col - 1].State;
            cell.Text = std::move(cells[col - 1].Text);
        }
    }
    return game;
}

bool GamesFile::Append(const SavedGame& game) {
    if (!IsStorable(game)) return false;
    const std::vector<std::string> record = RecordLines(game);
    lines_.insert(lines_.end(), record.begin(), record.end());
    return true;
}

bool GamesFile::Replace(const SavedGame& game) {
    if (!IsStorable(game)) return false;
    Delete(game.Name);
    return Append(game);
}

bool GamesFile::Delete(std::string_view name) {
    const std::size_t index = IndexOf(name);
    if (index == std::string::npos) return false;
    const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(index);
    lines_.erase(begin, begin + kRecordLines);
    return true;
}

RenameResult GamesFile::Rename(std::string_view from, std::string_view to) {
    if (to == from) return RenameResult::Unchanged;
    if (!IsStorableGameName(to)) return RenameResult::InvalidName;
    const std::size_t index = IndexOf(from);
    if (index == std::string::npos) return RenameResult::NotFound;
    if (IndexOf(to) != std::string::npos) return RenameResult::NameTaken;
    lines_[index] = std::string(kNamePrefix) + std::string(to);
    return RenameResult::Renamed;
}

void LoadSavedGameModel(const SavedGame& game, TQJ& model) {
    model.ClearSolution();
    model.LoadSolutionString(game.Solution);
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const TPicNode& cell = game.Board.cell(row, col);
            TNode& node = model.node(row, col);
            node.Fixed = cell.State == kStateGiven;
            if (node.Fixed && node.Digit == 0 && cell.Text.size() == 1)
                node.Digit = cell.Text[0] - '0';
        }
}

bool KeepsCandidatesWhenOpened(BoardCells& board) {
    if (board.CandidateState() == kCandidatesEdited) return true;
    for (int i = 0; i < 81; ++i)
        if (board.at(i).State == kStateOpen) board.at(i).Text.clear();
    return false;
}

} // namespace velmar
