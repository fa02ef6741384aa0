// SPDX-License-Identifier: GPL-3.0-or-later
// The copy dialog's opening step on the session: a pencil-and-paper board
// gets its candidates, as one step of the log, and the text lists them.
#include "session_fixture.h"

#include "exchange/clipboard_text.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

TEST(PlaySessionExportTest, FillBeforeCopyGivesEmptyCellsCandidatesAsOneStep) {
    SessionFixture f;
    PlaySession& s = f.s;
    const std::vector<Cell> open = f.CellsIn(kStateOpen);
    const Cell placed = open.front();
    f.Place(placed, f.Solution(placed));
    const size_t steps = s.stepLog().Entries().size();
    const BoardCells before = s.cells();

    ASSERT_TRUE(s.FillBeforeCopy());
    EXPECT_EQ(s.stepLog().Entries().size(), steps + 1);
    EXPECT_TRUE(f.l.changes & kChangedBoard);
    EXPECT_EQ(f.TextOf(placed), Digit(f.Solution(placed)));
    for (Cell c : open) {
        if (c.row == placed.row && c.col == placed.col) continue;
        EXPECT_EQ(f.TextOf(c), before.PeerCandidates(c.row, c.col));
        // Filled cells show their candidates, as pencil marks do.
        EXPECT_TRUE(s.board().CandidateVisible(c.row, c.col, f.TextOf(c)[0] - '0'));
    }
    const std::vector<std::string> text = RenderWithCandidates(s.cells());
    const Cell other = open.back();
    EXPECT_NE(text[other.row + (other.row - 1) / 3].find(f.TextOf(other)), std::string::npos);

    // Nothing left to fill: no step; the step back restores the empty cells.
    EXPECT_FALSE(s.FillBeforeCopy());
    EXPECT_EQ(s.stepLog().Entries().size(), steps + 1);
    s.GoStep(StepMove::Back);
    EXPECT_TRUE(f.TextOf(other).empty());
}

TEST(PlaySessionExportTest, FillBeforeCopyNeedsAGame) {
    Random random{1};
    PlaySession s{TestBank(), random};
    EXPECT_FALSE(s.FillBeforeCopy());
    EXPECT_TRUE(s.cells().at(0).Text.empty());
}

} // namespace
} // namespace velmar::test
