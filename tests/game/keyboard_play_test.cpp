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
    EXPECT_TRUE(cursor.shown && cursor.col == 1);
    cursor.Move(-1, -1);
    EXPECT_TRUE(cursor.row == 9 && cursor.col == 9);
    cursor.Move(1, 1);
    EXPECT_TRUE(cursor.row == 1 && cursor.col == 1);
}

TEST(KeyboardPlayTest, KeysActAsTheClicksOfEachMode) {
    SessionFixture f;
    PlaySession& s = f.s;
    const auto [a, b] = f.OpenPeers();
    const int digit = f.Solution(a);
    const char d = static_cast<char>('0' + digit);
    s.DigitKey(digit);
    PressCellKey(s, a.row, a.col, CellKey::Act);
    EXPECT_EQ(f.TextOf(a), Digit(digit));
    PressCellKey(s, a.row, a.col, CellKey::Erase);
    EXPECT_TRUE(f.StateOf(a) == kStateOpen && f.TextOf(a).empty());
    PressCellKey(s, a.row, a.col, CellKey::ActRight);
    EXPECT_TRUE(s.tileOpen());
    s.CloseTile();

    // A candidate is placed, with the peers pruned; Delete gives it back.
    s.ChooseMode(OperationMode::AllCandidates);
    s.SelectDigit(digit);
    PressCellKey(s, a.row, a.col, CellKey::Act);
    EXPECT_EQ(f.TextOf(a), Digit(digit));
    EXPECT_EQ(f.TextOf(b).find(d), std::string::npos);
    PressCellKey(s, b.row, b.col, CellKey::Act); // not a candidate of b
    EXPECT_EQ(f.StateOf(b), kStateOpen);
    PressCellKey(s, a.row, a.col, CellKey::Erase);
    EXPECT_NE(f.TextOf(b).find(d), std::string::npos);

    // While marking, Enter paints the cell and Delete does nothing.
    PressCellKey(s, a.row, a.col, CellKey::Act);
    s.SetMarking(true);
    PressCellKey(s, a.row, a.col, CellKey::Erase);
    EXPECT_EQ(f.StateOf(a), kStatePlaced);
    PressCellKey(s, b.row, b.col, CellKey::Act);
    EXPECT_EQ(s.board().CellColor(b.row, b.col), s.markColour());
}

} // namespace
} // namespace velmar::test
