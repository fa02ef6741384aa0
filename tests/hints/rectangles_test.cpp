// SPDX-License-Identifier: GPL-3.0-or-later
// Unique rectangles from floor pairs in rows and columns, band rectangles.
#include "candidate_grid.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace testing; // CandidateGrid, colourOf, engineCandidates, searchOnce

// A1, A2 hold only 1 and 2; no other cell of row A or the upper left box
// holds either, so no subset or reduction fires before the rectangles.
CandidateGrid rowFloorPair() {
    CandidateGrid grid;
    grid.set("A1", "12").set("A2", "12");
    grid.removeIn("A3", "A9", "12").removeIn("A1", "C3", "12", {"A1", "A2"});
    return grid;
}

TEST(UniqueRectangles, RowFloorPairOneCorner) {
    CandidateGrid grid = rowFloorPair();
    grid.removeIn("A1", "I1", "12", {"A1", "D1"}).set("D1", "12").set("D2", "125");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Find unique rectangles ,D2 can't be 1,2");
    EXPECT_EQ(engineCandidates(engine, "D2"), "5");
    EXPECT_EQ(engine.score(), 30);
    EXPECT_EQ(engine.counts()[kRectangleCorner], 1);
    EXPECT_EQ(colourOf(engine, "A1"), HighlightColour::Cyan);
    EXPECT_EQ(colourOf(engine, "D1"), HighlightColour::Cyan);
    EXPECT_EQ(colourOf(engine, "D2"), HighlightColour::Magenta);
}

TEST(UniqueRectangles, RowFloorPairExtraDigit) {
    CandidateGrid grid = rowFloorPair();
    grid.set("D1", "125").set("D2", "125");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Find unique rectangles ,(D1,D2) must be 5");
    EXPECT_EQ(engineCandidates(engine, "D9"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "F3"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "G1"), "123456789");
    EXPECT_EQ(engineCandidates(engine, "D1"), "125");
    EXPECT_EQ(engine.score(), 50);
    EXPECT_EQ(engine.counts()[kRectangleExtraDigit], 1);
    EXPECT_EQ(colourOf(engine, "D2"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "A2"), HighlightColour::Cyan);
}

TEST(UniqueRectangles, ColumnFloorPairHasTwoBlanks) {
    CandidateGrid grid;
    grid.set("A1", "12").set("B1", "12").set("A4", "12").set("B4", "125");
    grid.removeIn("C1", "I1", "12").removeIn("A1", "C3", "12", {"A1", "B1"});
    grid.removeIn("A2", "A9", "12", {"A4"});
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Find unique rectangles ,B4 can't be  1,2");
    EXPECT_EQ(engineCandidates(engine, "B4"), "5");
}

TEST(UniqueRectangles, TwoSolutionRectangleEndsInNoSolution) {
    // All four corners hold only the pair: D2 loses both digits.
    CandidateGrid grid;
    for (const char* cell : {"A1", "A2", "D1", "D2"}) grid.set(cell, "12");
    // Rows A and D, columns 1 and 2, and both boxes hold 1 and 2 nowhere else.
    for (auto [from, to] : {std::pair{"A1", "A9"}, {"D1", "D9"}, {"A1", "I2"}, {"A1", "F3"}}) {
        grid.removeIn(from, to, "12", {"A1", "A2", "D1", "D2"});
    }
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Find unique rectangles ,D2 can't be 1,2");
    EXPECT_EQ(engineCandidates(engine, "D2"), "");
    for (int steps = 0; engine.outcome() == kOutcomeRunning && steps < 200; ++steps) {
        engine.placePendingInEngine();
        engine.dropWaitingDeduction();
        engine.search();
    }
    EXPECT_EQ(engine.hint().sentence, "No solution!");
}

TEST(UniqueRectangles, BandRectangleScoresEachCell) {
    CandidateGrid grid;
    grid.set("A1", "12").set("A4", "12").set("B1", "125").set("B4", "125");
    grid.removeIn("A2", "A9", "12", {"A4"});
    for (const char* cell : {"B2", "B3", "B5", "B6", "B8"}) grid.remove(cell, "5");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Find unique rectangles,(B1,B4) must be 5");
    EXPECT_EQ(engineCandidates(engine, "B7"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "B9"), "12346789");
    EXPECT_EQ(engine.score(), 100);
    EXPECT_EQ(engine.counts()[kBandRectangle], 2);
    EXPECT_EQ(colourOf(engine, "A4"), HighlightColour::Cyan);
    EXPECT_EQ(colourOf(engine, "B1"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "B7"), HighlightColour::White);
}

} // namespace
} // namespace velmar
