// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/study/solution_path.h"

#include "hints/engine_layout.h"
#include "hints/hint_engine.h"
#include "hints/ladder/technique_table.h"
#include "hints/puzzle_rating.h"
#include "hints/study/technique_guide.h"

#include <memory>

namespace velmar::study {

namespace {

// The engine's copy as a board: placed digits keep the cell's given state,
// open cells show the engine's candidates.
BoardCells engineBoard(const HintEngine& engine, const BoardCells& start) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const int e = hints::engineCellOfIndex(i);
        TPicNode& cell = board.at(i);
        if (engine.placed(e) != 0) {
            cell.State = start.at(i).State == kStateGiven ? kStateGiven : kStatePlaced;
            cell.Text = std::string(1, static_cast<char>('0' + engine.placed(e)));
        } else {
            cell.State = kStateOpen;
            cell.Text = hints::digitList(engine.candidates(e), "");
        }
    }
    return board;
}

} // namespace

SolutionPath findSolutionPath(const BoardCells& board, bool pencilMode, bool advanced) {
    SolutionPath path;
    path.advanced = advanced;
    // The engine's chain tables are large: keep them off the stack.
    auto engine = std::make_unique<HintEngine>();
    engine->setAdvanced(advanced);
    engine->reset();
    engine->loadFromBoard(board, pencilMode);
    while (true) {
        BoardCells before = engineBoard(*engine, board);
        const Hint& hint = engine->search();
        if (engine->outcome() != kOutcomeRunning) {
            path.outcome = hint.sentence;
            break;
        }
        PathStep step;
        step.number = static_cast<int>(path.steps.size()) + 1;
        step.technique = techniqueName(hint);
        step.difficulty = advanced ? hint.difficulty : hint.weight;
        step.hint = hint;
        step.before = std::move(before);
        if (path.hardest < 0 || step.difficulty > path.steps[path.hardest].difficulty) {
            path.hardest = static_cast<int>(path.steps.size());
        }
        path.steps.push_back(std::move(step));
        engine->placePendingInEngine();
        engine->dropWaitingDeduction();
    }
    return path;
}

std::string difficultyText(const SolutionPath& path, const PathStep& step) {
    if (!path.advanced) return std::to_string(step.difficulty);
    return std::to_string(step.difficulty / 10) + '.' + std::to_string(step.difficulty % 10);
}

std::string solutionPathText(const SolutionPath& path) {
    std::string out;
    for (std::size_t i = 0; i < path.steps.size(); ++i) {
        const PathStep& step = path.steps[i];
        out += std::to_string(step.number) + '\t' + step.technique + '\t' +
               difficultyText(path, step) + '\t' + SentenceOnOneLine(step.hint.sentence);
        if (static_cast<int>(i) == path.hardest) out += "\thardest";
        out += '\n';
    }
    return out + path.outcome + '\n';
}

} // namespace velmar::study
