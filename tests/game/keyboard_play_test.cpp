// SPDX-License-Identifier: GPL-3.0-or-later
// Keys on the cursor cell: the click each stands for in every mode.
#include "game/keyboard_play.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

TEST(KeyboardPlayTest, CursorShowsFirstThenWrapsAtTheEdges) {
    CellCursor cursor;
    cursor.Move(0, -1);
    EXPECT_TRUE(cursor.shown);
    EXPECT_EQ(cursor.col, 1);
    cursor.Move(0, -1);
    EXPECT_EQ(cursor.col, 9);
    cursor.Move(-1, 0);
    EXPECT_EQ(cursor.row, 9);
    cursor.Move(1, 1);
    EXPECT_EQ(cursor.row, 1);
    EXPECT_EQ(cursor.col, 1);
}

TEST(KeyboardPlayTest, KeysActAsTheClicksOfEachMode) {
    SessionFixture f;
    PlaySession& s = f.s;
    const auto [a, b] = f.OpenPeers();
    const int digit = f.Solution(a);
    s.DigitKey(digit);
    PressCellKey(s, a.row, a.col, CellKey::Act);
    EXPECT_EQ(f.TextOf(a), Digit(digit));
    PressCellKey(s, a.row, a.col, CellKey::Erase);
    EXPECT_EQ(f.StateOf(a), kStateOpen);
    EXPECT_TRUE(f.TextOf(a).empty());
    PressCellKey(s, a.row, a.col, CellKey::ActRight);
    EXPECT_TRUE(s.tileOpen());
    s.CloseTile();
    const Cell given = f.CellsIn(kStateGiven).front();
    PressCellKey(s, given.row, given.col, CellKey::Erase);
    EXPECT_EQ(f.StateOf(given), kStateGiven);

    // A candidate is placed, with the peers pruned; a digit that is no
    // candidate of the cell leaves it open.
    s.ChooseMode(OperationMode::AllCandidates);
    s.SelectDigit(digit);
    PressCellKey(s, a.row, a.col, CellKey::Act);
    EXPECT_EQ(f.TextOf(a), Digit(digit));
    EXPECT_EQ(f.TextOf(b).find(static_cast<char>('0' + digit)), std::string::npos);
    PressCellKey(s, b.row, b.col, CellKey::Act);
    EXPECT_EQ(f.StateOf(b), kStateOpen);
    // Delete gives the placed digit back as candidates, to the peers too.
    PressCellKey(s, a.row, a.col, CellKey::Erase);
    EXPECT_EQ(f.StateOf(a), kStateOpen);
    EXPECT_NE(f.TextOf(b).find(static_cast<char>('0' + digit)), std::string::npos);
    const std::size_t steps = s.stepLog().Entries().size();
    EXPECT_GE(steps, 5u);

    // While marking, Enter paints the cell and Delete does nothing.
    PressCellKey(s, a.row, a.col, CellKey::Act);
    s.SetMarking(true);
    PressCellKey(s, a.row, a.col, CellKey::Erase);
    EXPECT_EQ(f.StateOf(a), kStatePlaced);
    PressCellKey(s, b.row, b.col, CellKey::Act);
    EXPECT_EQ(s.board().CellColor(b.row, b.col), s.markColour());
    EXPECT_EQ(f.StateOf(b), kStateOpen);
}

} // namespace
} // namespace velmar::test
