// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidate_grid.h"
#include "hints/engine_layout.h"
#include "hints/hint_engine.h"

#include <gtest/gtest.h>

#include <set>

namespace velmar {
namespace {

using namespace testing; // CandidateGrid, colourOf, engineCandidates, searchOnce

TEST(EngineLayout, NumberingNamesAndPeers) {
    using namespace hints;
    // Board cell C7 (row 3, column 7) is engine cell 9*2 + 3*0 + 2.
    EXPECT_EQ(engineCell(3, 7), 20);
    EXPECT_EQ(cellName(20), "C7");
    for (int i = 0; i < 81; ++i) EXPECT_EQ(boardIndex(engineCellOfIndex(i)), i);
    EXPECT_EQ(columnName(1), "4");
    EXPECT_EQ(boxName(4), "center");
    // Every unit is nine distinct cells; a box run is its 3x3 block.
    std::set<int> box4;
    for (int i = 0; i < 9; ++i) box4.insert(boardIndex(boxUnit(4).cell(i)));
    EXPECT_EQ(box4, (std::set<int>{30, 31, 32, 39, 40, 41, 48, 49, 50}));
    const auto& peers = peerTable();
    for (int e = 0; e < 81; ++e) {
        for (int j = 1; j < 20; ++j) EXPECT_LT(peers[e][j - 1], peers[e][j]);
        for (int p : peers[e]) {
            EXPECT_NE(p, e);
            EXPECT_TRUE(rowOf(p) == rowOf(e) || offsetOf(p) == offsetOf(e) || boxOf(p) == boxOf(e));
        }
    }
    EXPECT_EQ(searchUnits()[0].start, 72); // row I first
    EXPECT_EQ(searchUnits()[1].start, 8);  // then column 9
    EXPECT_EQ(searchUnits()[2].start, 56); // then the lower right box
}

TEST(EngineCore, HiddenSingleSentenceAndColours) {
    CandidateGrid grid;
    grid.removeIn("C1", "C9", "4", {"C7"});
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "In row C, C7 must be 4");
    EXPECT_TRUE(engine.hasPendingPlacement());
    EXPECT_EQ(engine.pendingDigit(), 3);
    EXPECT_EQ(hints::cellName(engine.pendingCell()), "C7");
    EXPECT_EQ(engine.score(), 1);
    EXPECT_EQ(engine.counts()[kHiddenSingle], 1);
    EXPECT_EQ(colourOf(engine, "C7"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "C1"), HighlightColour::Cyan);
    EXPECT_EQ(colourOf(engine, "B7"), HighlightColour::White);
    // The single is not placed until it is applied.
    EXPECT_EQ(engine.placed(hints::engineCell(3, 7)), 0);
    EXPECT_TRUE(engine.isDeductionWaiting());
}

TEST(EngineCore, HiddenSinglesOrder) {
    // Two hidden singles in row C: the lower digit wins.
    CandidateGrid grid;
    grid.removeIn("C1", "C9", "4", {"C7"}).removeIn("C1", "C9", "2", {"C2"});
    EXPECT_EQ(searchOnce(grid).hint().sentence, "In row C, C2 must be 2");
    // A unit later in the order (row C) loses to column 5, visited at n = 4.
    grid.removeIn("A5", "I5", "8", {"E5"});
    EXPECT_EQ(searchOnce(grid).hint().sentence, "In column 5, E5 must be 8");
    // The lower right box comes before row H.
    grid.removeIn("G7", "I9", "9", {"H8"});
    EXPECT_EQ(searchOnce(grid).hint().sentence, "In the lower right block, H8 must be 9");
}

TEST(EngineCore, NakedSingleAndHiddenFirst) {
    CandidateGrid grid;
    grid.set("E5", "7");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "E5 can only be 7");
    EXPECT_EQ(engine.score(), 10);
    EXPECT_EQ(engine.counts()[kNakedSingle], 1);
    EXPECT_EQ(colourOf(engine, "E5"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "E4"), HighlightColour::White);
    // A cell that is both a naked and a hidden single reads as a hidden single.
    grid.removeIn("E1", "E9", "7", {"E5"});
    EXPECT_EQ(searchOnce(grid).hint().sentence, "In row E, E5 must be 7");
}

TEST(EngineCore, Outcomes) {
    CandidateGrid empty;
    HintEngine engine = searchOnce(empty);
    EXPECT_EQ(engine.hint().sentence, "I'm stumped!");
    EXPECT_EQ(engine.outcome(), kOutcomeStumped);
    EXPECT_EQ(engine.score(), 800);
    EXPECT_EQ(engine.counts()[kStumped], 1);
    EXPECT_FALSE(engine.isDeductionWaiting());
    // Asking again repeats the outcome and its weight.
    engine.search();
    EXPECT_EQ(engine.score(), 1600);

    CandidateGrid dead;
    dead.set("E5", "");
    EXPECT_EQ(searchOnce(dead).hint().sentence, "No solution!");
    EXPECT_EQ(searchOnce(dead).outcome(), kOutcomeNoSolution);

    // A full board is solved even when its digits conflict.
    CandidateGrid full;
    for (int i = 0; i < 81; ++i) full.given(std::string{char('A' + i / 9), char('1' + i % 9)}, '5');
    HintEngine solved = searchOnce(full);
    EXPECT_EQ(solved.hint().sentence, "Solved!");
    EXPECT_EQ(solved.outcome(), kOutcomeSolved);
    EXPECT_EQ(solved.score(), 0);
}

TEST(EngineLoad, CandidateModeTrustsMarksInEngineOrder) {
    // A1 (engine cell 0) is loaded before A2 (engine cell 3): A2's given 1
    // reaches A1's marks, while A2's marks loaded after the given A1 stay.
    CandidateGrid grid;
    grid.set("A1", "12").given("A2", '1');
    HintEngine engine;
    engine.loadFromBoard(grid.board(), false);
    EXPECT_EQ(engineCandidates(engine, "A1"), "2");
    EXPECT_EQ(engine.placedCells(), 1);

    CandidateGrid reverse;
    reverse.given("A1", '1').set("A2", "12");
    engine.loadFromBoard(reverse.board(), false);
    EXPECT_EQ(engineCandidates(engine, "A2"), "12"); // a wrong mark is trusted
    // Digits of an open cell are read wherever they stand, in any order.
    reverse.set("A3", "9x3");
    engine.loadFromBoard(reverse.board(), false);
    EXPECT_EQ(engineCandidates(engine, "A3"), "39");
}

TEST(EngineLoad, PencilModeComputesCandidates) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        board.at(i).State = kStateOpen;
        board.at(i).Text = "";
    }
    board.cell(1, 1) = TPicNode{1, 1, "5", kStateGiven, false, 0};
    board.cell(1, 2).Text = "37"; // pencil marks are ignored
    board.cell(5, 5).Text = "8";  // a single pencil mark counts as placed
    board.cell(2, 2).Text = "x";  // not a digit: open
    HintEngine engine;
    engine.loadFromBoard(board, true);
    EXPECT_EQ(engine.placedCells(), 2);
    EXPECT_EQ(engine.placed(hints::engineCell(5, 5)), 8);
    EXPECT_EQ(engineCandidates(engine, "A2"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "E1"), "1234679");
    EXPECT_EQ(engineCandidates(engine, "B2"), "12346789");
}

TEST(EngineLoad, GivensLine) {
    HintEngine engine;
    engine.loadGivens("12.x5");
    EXPECT_EQ(engine.placedCells(), 3);
    EXPECT_EQ(engine.placed(hints::engineCell(1, 5)), 5);
    EXPECT_EQ(engineCandidates(engine, "A3"), "346789");
    EXPECT_EQ(engineCandidates(engine, "I9"), "123456789");
    EXPECT_FALSE(engine.needsReload());
}

} // namespace
} // namespace velmar
