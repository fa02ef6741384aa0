// SPDX-License-Identifier: GPL-3.0-or-later
// The hint dialog's apply cycle on the board and the batch rating.
#include "candidate_grid.h"
#include "hints/hint_dialog_model.h"
#include "hints/puzzle_rating.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using testing::CandidateGrid;
using testing::cellIndex;

TEST(HintDialog, SingleIsPlacedOnTheBoardByDoItForMe) {
    CandidateGrid grid;
    grid.removeIn("C1", "C9", "4", {"C7"});
    HintDialogModel dialog(grid.board());
    dialog.open(false);
    EXPECT_EQ(dialog.text(), "In row C, C7 must be 4");
    EXPECT_TRUE(dialog.offersDoItForMe());
    EXPECT_EQ(grid.board().at(cellIndex("C7")).Text, "123456789"); // nothing applied yet

    EXPECT_TRUE(dialog.action());
    const TPicNode& c7 = grid.board().at(cellIndex("C7"));
    EXPECT_EQ(c7.Text, "4");
    EXPECT_EQ(c7.State, kStatePlaced);
    EXPECT_EQ(grid.board().at(cellIndex("C9")).Text, "12356789"); // peers pruned by the copy
    EXPECT_EQ(grid.board().at(cellIndex("A7")).Text, "12356789");
    EXPECT_EQ(dialog.text(), "");
    EXPECT_FALSE(dialog.offersDoItForMe());
    EXPECT_EQ(dialog.highlights()[cellIndex("C7")], HighlightColour::White);
    EXPECT_TRUE(dialog.nextRequestSearches());
}

TEST(HintDialog, CandidateModeCopiesEliminations) {
    CandidateGrid grid;
    grid.removeIn("A1", "C3", "5", {"B1", "B3"});
    HintDialogModel dialog(grid.board());
    dialog.open(false);
    EXPECT_EQ(dialog.text(), "In the upper left block, one of B1, B3 must be 5");
    EXPECT_EQ(grid.board().at(cellIndex("B9")).Text, "123456789");
    EXPECT_TRUE(dialog.action());
    EXPECT_EQ(grid.board().at(cellIndex("B9")).Text, "12346789");
    EXPECT_FALSE(dialog.offersDoItForMe());
    EXPECT_EQ(dialog.text(), "");
}

TEST(HintDialog, OutcomeRepeatsWithItsWeight) {
    // Pencil marks are not read in "Pencil and Paper" mode: an empty board.
    CandidateGrid grid;
    grid.removeIn("A1", "C3", "5", {"B1", "B3"});
    HintDialogModel dialog(grid.board());
    dialog.open(true);
    EXPECT_EQ(dialog.text(), "I'm stumped!");
    EXPECT_FALSE(dialog.offersDoItForMe());
    EXPECT_FALSE(dialog.action());
    EXPECT_EQ(dialog.text(), "I'm stumped!");
    EXPECT_EQ(dialog.engine().score(), 1600);
}

TEST(HintDialog, PencilModeKeepsEliminationsInTheEngine) {
    // Givens fill rows B and C of the upper left box: its 1 is confined to
    // row A and leaves the rest of that row.
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        board.at(i).State = kStateOpen;
        board.at(i).Text = "";
    }
    const char* givens = "234567";
    for (int i = 0; i < 6; ++i) {
        TPicNode& node = board.cell(2 + i / 3, 1 + i % 3);
        node.State = kStateGiven;
        node.Text = std::string(1, givens[i]);
    }
    HintDialogModel dialog(board);
    dialog.open(true);
    EXPECT_EQ(dialog.text(), "In the upper left block, one of A1, A2, A3 must be 1");
    const BoardCells before = board;
    EXPECT_TRUE(dialog.action());
    for (int i = 0; i < 81; ++i) EXPECT_EQ(board.at(i).Text, before.at(i).Text);
    // The next hint builds on the elimination the board does not show.
    EXPECT_EQ(dialog.engine().candidates(hints::engineCell(1, 4)) & 1, 0);
}

// With the advanced techniques the action button alone finishes one of the
// hardest puzzles on the board: every hint is applied like any other.
TEST(HintDialog, AdvancedTechniquesFinishTheBoard) {
    const std::string puzzle =
        "98.7..6..75..4......3..8.7.5....7.3...94.........2.1..3.......1.9...5.8...52....6";
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const bool given = puzzle[i] != '.';
        board.at(i).State = given ? kStateGiven : kStateOpen;
        board.at(i).Text = given ? std::string(1, puzzle[i]) : "";
    }
    HintDialogModel dialog(board);
    dialog.setAdvanced(true);
    dialog.open(true);
    for (int press = 0; press < 1000 && dialog.engine().outcome() == kOutcomeRunning; ++press) {
        dialog.action();
    }
    EXPECT_EQ(dialog.text(), "Solved!");
    const std::string solution = TestUniqueness(puzzle).first;
    for (int i = 0; i < 81; ++i) EXPECT_EQ(board.at(i).Text, solution.substr(i, 1)) << i;
}

TEST(HintDialog, SolvedBoardAndRatingTheBoard) {
    CandidateGrid grid;
    for (int i = 0; i < 81; ++i) grid.given(std::string{char('A' + i / 9), char('1' + i % 9)}, '5');
    HintDialogModel solved(grid.board());
    solved.open(false);
    EXPECT_EQ(solved.text(), "Solved!");

    CandidateGrid single;
    single.removeIn("C1", "C9", "4", {"C7"});
    HintDialogModel dialog(single.board());
    dialog.open(false);
    const std::vector<std::string> lines = dialog.rateBoard();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "---难度分：1"); // the press that placed the single
    EXPECT_EQ(lines.back(), "I'm stumped!---难度分：801");
}

TEST(HintDialog, AppliedHintLeavesFilledCellsWithoutDigitAlone) {
    // A position line may hold a given without its digit (the start-up board).
    CandidateGrid grid;
    grid.removeIn("C1", "C9", "4", {"C7"});
    TPicNode& a1 = grid.board().at(cellIndex("A1"));
    a1.State = kStateGiven;
    a1.Text.clear();
    HintDialogModel dialog(grid.board());
    dialog.open(false);
    ASSERT_TRUE(dialog.action());
    EXPECT_EQ(grid.board().at(cellIndex("C7")).Text, "4");
    EXPECT_EQ(a1.Text, "");
    EXPECT_EQ(a1.State, kStateGiven);
}

TEST(Rating, ResultLineStepsAndTrace) {
    const std::string puzzle =
        "...62.3.......9..83...41.....1.5..4..5.7..8..94....5...96.7......3.6...2........4";
    std::vector<std::string> steps;
    std::vector<std::string> states;
    RatingObserver observer;
    observer.step = [&](const HintEngine& engine) {
        steps.push_back(ScoredSentence(engine.hint().sentence, engine.score()));
    };
    observer.state = [&](const HintEngine& engine) { states.push_back(EngineStateText(engine)); };
    HintEngine engine;
    EXPECT_EQ(RatePuzzleLine(engine, puzzle, observer),
              puzzle + "\t57\t57\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
    ASSERT_EQ(steps.size(), 58u);
    EXPECT_EQ(steps[0], "In column 6, A6 must be 7---难度分：1");
    EXPECT_EQ(steps.back(), "Solved!---难度分：57");
    ASSERT_EQ(states.size(), 57u);                                    // none for the final request
    EXPECT_EQ(states[0].substr(0, 26), "+1458,+18,+4589,6,2,7,3,+1"); // A6 placed
    std::string solution;
    for (char digit : SolveString(puzzle).grid)
        solution += std::string(solution.empty() ? "" : ",") + digit;
    EXPECT_EQ(states.back(), solution);
    // The counters restart with every puzzle; a short line is padded.
    EXPECT_EQ(RatePuzzleLine(engine, "1"), "1\t800\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1");
    EXPECT_EQ(RatePuzzleLine(engine, ""), "\t800\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1");
}

TEST(Rating, TextHelpers) {
    EXPECT_EQ(SentenceOnOneLine("a\r\nb\r\nc"), "a / b / c");
    HintEngine engine;
    engine.loadGivens("1");
    const std::string state = EngineStateText(engine);
    EXPECT_EQ(state.substr(0, 12), "1,+23456789,");
    EXPECT_EQ(state.substr(state.size() - 10), "+123456789");
}

} // namespace
} // namespace velmar
