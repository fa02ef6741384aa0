// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the last-game and replay files. The reader is strict
// about what the writer produces, with the leniency an editor may add: a
// byte-order mark, bare LF, blanks at line ends, blank lines after the last
// step. Each step is checked as a position line on a scratch board.
#include "history/game_file.h"

#include "board/board_cells.h"
#include "history/position_line.h"
#include "history/step_log.h"
#include "model/levels.h"
#include "model/tqj.h"
#include "text/trim.h"

#include <iterator>

namespace velmar {

namespace {

GameFileRead Damaged(int line, std::string message) {
    return {std::nullopt, {line, std::move(message)}};
}

} // namespace

std::string WriteGameFile(const GameFile& file) {
    std::vector<std::string> lines;
    lines.reserve(file.Steps.size() + 2);
    lines.push_back(std::to_string(file.Level) + ' ' + file.Givens);
    lines.push_back(file.Solution);
    lines.insert(lines.end(), file.Steps.begin(), file.Steps.end());
    return JoinTextLines(lines);
}

GameFileRead ReadGameFile(std::string_view text) {
    std::vector<std::string> lines = SplitTextLines(text);
    while (!lines.empty() && TrimBlanks(lines.back()).empty()) lines.pop_back();
    if (lines.empty()) return Damaged(0, "the file is empty");

    GameFile file;
    const std::string_view head = lines[0];
    if (head.empty() || head[0] < '0' || head[0] > '0' + kUnknownLevel)
        return Damaged(1, "the level is not a digit from 0 to 5");
    file.Level = head[0] - '0';
    const std::string_view givens = TrimBlanks(head.substr(1));
    if (head.size() < 2 || head[1] != ' ' || !IsDigitString(givens, '0'))
        return Damaged(1, "the level is not followed by a blank and 81 digits of givens");
    file.Givens.assign(givens);

    const std::string_view solution = lines.size() > 1 ? TrimBlanks(lines[1]) : "";
    if (!solution.empty() && !IsDigitString(solution, '1'))
        return Damaged(2, "the solution is neither empty nor 81 digits from 1 to 9");
    file.Solution.assign(solution);

    if (lines.size() < 3)
        return Damaged(static_cast<int>(lines.size()) + 1, "the file ends before its first step");
    BoardCells scratch;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!ReadPositionLine(scratch, lines[i]))
            return Damaged(static_cast<int>(i) + 1, "not a position of 81 cells");
    }
    file.Steps.assign(std::make_move_iterator(lines.begin() + 2),
                      std::make_move_iterator(lines.end()));
    return {std::move(file), {}};
}

GameFile GameFileOf(std::int32_t level, const BoardCells& board, const TQJ& model,
                    const StepLog& log) {
    return {level, board.GivensFromBoard(), model.GetSolutionString(), log.Entries()};
}

void LoadGameFileModel(const GameFile& file, TQJ& model) {
    model.LoadGivens(file.Givens);
    if (!file.Solution.empty()) model.LoadSolutionString(file.Solution);
}

bool HasGameToSave(const StepLog& log) {
    return !log.Entries().empty() && log.Entries().front() != StepLog::kPlaceholder;
}

bool ClockRunsAfterLoad(GameFileUse use) {
    return use == GameFileUse::ContinueLastGame;
}

} // namespace velmar
