// SPDX-License-Identifier: GPL-3.0-or-later
// The solution path: the steps the engine takes from a position, each with
// the position before it, so a viewer shows exactly what the step saw.
#include "hints/hint_engine.h"
#include "hints/study/solution_path.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmar {
namespace {

using study::findSolutionPath;
using study::SolutionPath;

BoardCells puzzleBoard(std::string_view puzzle) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const bool given = puzzle[i] >= '1' && puzzle[i] <= '9';
        board.at(i).State = given ? kStateGiven : kStateOpen;
        board.at(i).Text = given ? std::string(1, puzzle[i]) : "";
    }
    return board;
}

constexpr const char* kPuzzle =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";

TEST(SolutionPath, EveryStepIsWhatTheEngineFindsOnThePositionBeforeIt) {
    const SolutionPath path = findSolutionPath(puzzleBoard(kPuzzle), true, true);
    ASSERT_EQ(path.outcome, "Solved!");
    ASSERT_GT(path.steps.size(), 50u);
    auto engine = std::make_unique<HintEngine>();
    engine->setAdvanced(true);
    for (const study::PathStep& step : path.steps) {
        EXPECT_EQ(step.number, &step - path.steps.data() + 1);
        engine->reset();
        engine->loadFromBoard(step.before, false); // candidate mode: the marks shown
        EXPECT_EQ(engine->search(), step.hint) << step.number;
        EXPECT_LE(step.difficulty, path.steps[path.hardest].difficulty);
    }
    // The first of the hardest steps is the one marked.
    for (int i = 0; i < path.hardest; ++i) {
        EXPECT_LT(path.steps[i].difficulty, path.steps[path.hardest].difficulty);
    }
    EXPECT_EQ(path.steps[path.hardest].technique, "Forcing Net");
    EXPECT_EQ(study::difficultyText(path, path.steps[path.hardest]), "9.3");
}

TEST(SolutionPath, TheEngineOwnTechniquesEndStumpedAndNameTheirSteps) {
    const SolutionPath path = findSolutionPath(puzzleBoard(kPuzzle), true, false);
    EXPECT_EQ(path.outcome, "I'm stumped!");
    ASSERT_FALSE(path.steps.empty());
    EXPECT_EQ(path.steps[0].technique, "Hidden Single");
    const std::string text = study::solutionPathText(path);
    EXPECT_EQ(text.substr(0, 15), "1\tHidden Single");
    EXPECT_EQ(text.substr(text.size() - 13), "I'm stumped!\n");
    EXPECT_NE(text.find("\thardest\n"), std::string::npos);
}

TEST(SolutionPath, SolvedBoardHasNoSteps) {
    const SolutionPath path = findSolutionPath(
        puzzleBoard(
            "534678912672195348198342567859761423426853791713924856961537284287419635345286179"),
        true, true);
    EXPECT_TRUE(path.steps.empty());
    EXPECT_EQ(path.hardest, -1);
    EXPECT_EQ(study::solutionPathText(path), "Solved!\n");
}

} // namespace
} // namespace velmar
