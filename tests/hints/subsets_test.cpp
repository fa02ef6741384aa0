// SPDX-License-Identifier: GPL-3.0-or-later
// Box/line reductions and naked and hidden subsets.
#include "candidate_grid.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace testing; // CandidateGrid, colourOf, engineCandidates, searchOnce

TEST(BoxLine, BoxPointsAlongRow) {
    CandidateGrid grid;
    grid.removeIn("A1", "C3", "5", {"B1", "B3"});
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "In the upper left block, one of B1, B3 must be 5");
    EXPECT_EQ(engineCandidates(engine, "B4"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "B9"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "A4"), "123456789");
    EXPECT_EQ(engine.score(), 5);
    EXPECT_EQ(engine.counts()[kBoxLineReduction], 1);
    EXPECT_EQ(colourOf(engine, "B1"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "C2"), HighlightColour::Cyan);
    EXPECT_EQ(colourOf(engine, "B4"), HighlightColour::White);
    EXPECT_FALSE(engine.hasPendingPlacement());
}

TEST(BoxLine, RowClaimsForBox) {
    CandidateGrid grid;
    grid.removeIn("B1", "B9", "5", {"B1", "B3"});
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "In row B, one of B1, B3 must be 5");
    EXPECT_EQ(engineCandidates(engine, "A2"), "12346789");
    EXPECT_EQ(engineCandidates(engine, "C3"), "12346789");
    EXPECT_EQ(colourOf(engine, "B9"), HighlightColour::Cyan);
}

TEST(BoxLine, ColumnSegmentListsBottomUp) {
    CandidateGrid grid;
    grid.removeIn("A2", "I2", "8", {"D2", "F2"});
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "In column 2, one of F2, D2 must be 8");
    EXPECT_EQ(engineCandidates(engine, "E1"), "12345679");
}

TEST(BoxLine, AttemptWithoutRemovalIsSpentForTheRun) {
    // 5 of the upper left box only in B1, B3 and nowhere else in row B: a
    // candidate that removes nothing, silently dropped from boxLineOpen.
    CandidateGrid grid;
    grid.removeIn("A1", "C3", "5", {"B1", "B3"}).removeIn("B4", "B9", "5");
    HintEngine engine;
    engine.loadFromBoard(grid.board(), false);
    engine.search();
    EXPECT_EQ(engine.hint().sentence, "I'm stumped!");
    // Loading the board again refills the digits worth a look.
    grid.set("B5", "123456789");
    engine.loadFromBoard(grid.board(), false);
    engine.search();
    EXPECT_EQ(engine.hint().sentence, "In the upper left block, one of B1, B3 must be 5");
}

TEST(Subsets, HiddenPairSentence) {
    CandidateGrid grid;
    grid.removeIn("I1", "I9", "46", {"I4", "I6"}).removeIn("G4", "H6", "46");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Found 2 digits that can only be in 2 squares.\r\n"
                                      "In row I, the squares I4, I6\r\n"
                                      "must contain the digits 4, 6.");
    EXPECT_EQ(engineCandidates(engine, "I4"), "46");
    EXPECT_EQ(engineCandidates(engine, "I6"), "46");
    EXPECT_EQ(engine.score(), 40);
    EXPECT_EQ(engine.counts()[kHiddenSubset], 1);
    EXPECT_EQ(colourOf(engine, "I6"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "I5"), HighlightColour::Cyan);
}

TEST(Subsets, NakedPairInUnitOrder) {
    // Row A cells in unit order: A1, A4, A7, A2, ... so A4 comes before A2.
    CandidateGrid grid;
    grid.set("A2", "39").set("A4", "39").set("H5", "39").set("H6", "39");
    HintEngine engine = searchOnce(grid);
    // Row H (n = 7) is visited before row A (n = 0).
    EXPECT_EQ(engine.hint().sentence, "Found 2 squares that can only contain 2 digits.\r\n"
                                      "In row H, the squares H5, H6\r\n"
                                      "must contain the digits 3, 9.");
    EXPECT_EQ(engineCandidates(engine, "H1"), "1245678");
    EXPECT_EQ(engine.score(), 20);
    EXPECT_EQ(engine.counts()[kNakedSubset], 1);
    // Lower middle box also holds the pair: its other cells are untouched yet.
    EXPECT_EQ(engineCandidates(engine, "G5"), "123456789");
    grid.set("H5", "123456789");
    EXPECT_EQ(searchOnce(grid).hint().sentence,
              "Found 2 squares that can only contain 2 digits.\r\n"
              "In row A, the squares A4, A2\r\n"
              "must contain the digits 3, 9.");
}

TEST(Subsets, PairsBeforeTriplesAndSilentSubsetsSkipped) {
    CandidateGrid grid;
    // A naked triple in row I and a naked pair in row A: the pair, in units
    // visited later, is found first.
    grid.set("I1", "12").set("I2", "23").set("I3", "13").set("A8", "56").set("A9", "56");
    // The upper right box (n = 2) comes before row A (n = 0).
    EXPECT_EQ(searchOnce(grid).hint().sentence,
              "Found 2 squares that can only contain 2 digits.\r\n"
              "In the upper right block, the squares A8, A9\r\n"
              "must contain the digits 5, 6.");
    grid.set("A8", "123456789").set("A9", "123456789");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Found 3 squares that can only contain 3 digits.\r\n"
                                      "In row I, the squares I1, I2, I3\r\n"
                                      "must contain the digits 1, 2, 3.");
    EXPECT_EQ(engineCandidates(engine, "I9"), "456789");
}

TEST(Subsets, HiddenQuad) {
    CandidateGrid grid;
    grid.removeIn("E1", "E9", "1234", {"E1", "E5", "E6", "E9"});
    // Row E lists its cells by offset: E1, E4, E7, E2, E5, E8, E3, E6, E9.
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "Found 4 digits that can only be in 4 squares.\r\n"
                                      "In row E, the squares E1, E5, E6, E9\r\n"
                                      "must contain the digits 1, 2, 3, 4.");
    EXPECT_EQ(engineCandidates(engine, "E6"), "1234");
}

} // namespace
} // namespace velmar
