// SPDX-License-Identifier: GPL-3.0-or-later
// What each redraw shows, and the colour operations on the board's looks.
#include "game/board_display.h"
#include "game/color_marks.h"
#include "model/tqj.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// Texts are moved in: assigning a literal trips a false -Wrestrict of g++ 12.
void Put(BoardDisplay& board, int row, int col, std::string text, int state, bool error) {
    TPicNode& n = board.node(row, col);
    n.Text = std::move(text);
    n.State = state;
    n.ErrorMark = error;
    n.CandHidden = 0;
}

TEST(BoardDisplayTest, RedrawsShowWhatTheModeAsks) {
    BoardDisplay board;
    for (int i = 0; i < 81; ++i) {
        board.cells().at(i).State = kStateOpen;
        board.cells().at(i).Text.clear();
    }
    Put(board, 1, 1, "5", kStateGiven, false);
    Put(board, 1, 2, "24", kStateOpen, false);
    Put(board, 1, 3, "7", kStateOpen, false);
    Put(board, 1, 4, "3", kStatePlaced, false);
    board.RedrawForDigit(4);
    EXPECT_EQ(board.Caption(1, 1), "5");
    EXPECT_EQ(board.Caption(1, 4), "3");
    EXPECT_TRUE(board.CandidateVisible(1, 2, 2)); // holds 4: all its candidates show
    EXPECT_TRUE(board.CandidateVisible(1, 3, 7)); // a single candidate always shows
    EXPECT_EQ(board.LoneCandidate(1, 3), 7);
    EXPECT_EQ(board.LoneCandidate(1, 2), 0);
    board.RedrawForDigit(9);
    EXPECT_FALSE(board.CandidateVisible(1, 2, 2));
    board.RedrawFull(); // one character is drawn as a big digit
    EXPECT_EQ(board.Caption(1, 3), "7");
    EXPECT_FALSE(board.CandidateVisible(1, 3, 7));
    EXPECT_TRUE(board.CandidateVisible(1, 2, 4));
    board.HideMultiCandidates();
    EXPECT_FALSE(board.CandidateVisible(1, 2, 4));
    board.node(1, 2).CandHidden = 1;
    board.RedrawPencil(); // pencil marks of open cells stay visible
    EXPECT_TRUE(board.CandidateVisible(1, 2, 4));
    EXPECT_EQ(board.CaptionColor(1, 4), board.properties().FONTColor2);
}

TEST(BoardDisplayTest, DefaultColoursAndMarks) {
    BoardDisplay board;
    BoardProperties& p = board.properties();
    p.UNFoucsColor1 = 0x111111;
    p.UNFoucsColor2 = 0x222222;
    Put(board, 5, 5, "", kStateOpen, false);
    Put(board, 4, 2, "", kStateOpen, false);
    Put(board, 1, 1, "3", kStateGiven, false);
    Put(board, 1, 2, "3", kStatePlaced, true);
    EXPECT_EQ(board.DefaultColor(5, 5, 3), p.UNFoucsColor1);
    EXPECT_EQ(board.DefaultColor(4, 2, 3), p.UNFoucsColor2);
    EXPECT_EQ(board.DefaultColor(1, 1, 3), p.highcolor);
    EXPECT_EQ(board.DefaultColor(1, 1, 4), p.UNFoucsColor1);
    EXPECT_EQ(board.DefaultColor(1, 2, 3), p.errorcolor); // the error wins

    ColorMarkStore store;
    TQJ model;
    ResetColors(board, store, 3, true);
    board.SetCellColor(5, 5, 0x00AA00);
    board.SetCandidateColor(5, 5, 4, 0x0000AA);
    CaptureMarks(board, store, 3);
    EXPECT_EQ(store.entry(5, 5, 0), TColor{0x00AA00});
    EXPECT_EQ(store.entry(5, 5, 4), TColor{0x0000AA});
    EXPECT_EQ(store.entry(1, 1, 0), NoMark); // highlight is not a mark
    EXPECT_EQ(store.entry(1, 2, 0), NoMark); // nor the error colour
    // The highlight or the other box's colour where the cell would not show
    // it by itself is a mark.
    board.SetCellColor(4, 2, p.highcolor);
    board.SetCellColor(5, 5, p.UNFoucsColor2);
    CaptureMarks(board, store, 3);
    EXPECT_EQ(store.entry(4, 2, 0), p.highcolor);
    EXPECT_EQ(store.entry(5, 5, 0), p.UNFoucsColor2);
    board.SetCellColor(4, 2, p.UNFoucsColor2);
    board.SetCellColor(5, 5, 0x00AA00);
    CaptureMarks(board, store, 3);
    ResetColors(board, store, 3, false);
    EXPECT_EQ(board.CellColor(5, 5), p.UNFoucsColor1);
    ApplyMarks(board, store, model, 3);
    EXPECT_EQ(board.CellColor(5, 5), TColor{0x00AA00});
    EXPECT_EQ(board.CandidateColor(5, 5, 4), TColor{0x0000AA});
    ResetColors(board, store, 3, true);
    EXPECT_TRUE(store.IsEmpty());
}

} // namespace
} // namespace velmar
