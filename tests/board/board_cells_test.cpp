// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_cells.h"

#include <gtest/gtest.h>

#include <utility>

namespace velmar {
namespace {

void Set(BoardCells& b, int r, int c, int state, const std::string& text) {
    b.cell(r, c).State = state;
    b.cell(r, c).Text = text;
}

// An empty playing board: every cell open without candidates.
BoardCells OpenBoard() {
    BoardCells b;
    for (int i = 0; i < 81; ++i) b.at(i).State = kStateOpen;
    return b;
}

// A valid solved grid, row-major.
constexpr const char* kSolution = "534678912672195348198342567859761423426853791"
                                  "713924856961537284287419635345286179";

BoardCells SolvedBoard() {
    BoardCells b;
    for (int i = 0; i < 81; ++i) {
        b.at(i).State = kStatePlaced;
        b.at(i).Text = std::string(1, kSolution[i]);
    }
    return b;
}

TEST(BoardCellsTest, ConstructionAndGeometry) {
    BoardCells b;
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(b.at(i).State, kStatePlaced);
        EXPECT_TRUE(b.at(i).Text.empty());
        EXPECT_EQ(b.at(i).Row, i / 9 + 1);
        EXPECT_EQ(b.at(i).Col, i % 9 + 1);
        EXPECT_FALSE(b.at(i).ErrorMark);
    }
    EXPECT_EQ(BoardCells::BoxOf(1, 1), 1);
    EXPECT_EQ(BoardCells::BoxOf(1, 9), 3);
    EXPECT_EQ(BoardCells::BoxOf(5, 4), 5);
    EXPECT_EQ(BoardCells::BoxOf(6, 3), 4);
    EXPECT_EQ(BoardCells::BoxOf(9, 9), 9);
}

TEST(BoardCellsTest, PeerCandidates) {
    BoardCells b = OpenBoard();
    for (int i = 0; i < 81; ++i) EXPECT_EQ(b.PeerCandidates(i / 9 + 1, i % 9 + 1), "123456789");

    // Row peers 1..4, column peers 5..8 (one a given), the box adds a repeat:
    // 9 is the only digit left. The cell's own Text never counts.
    for (int c = 2; c <= 5; ++c) Set(b, 1, c, kStatePlaced, std::to_string(c - 1));
    for (int r = 2; r <= 5; ++r)
        Set(b, r, 1, r == 3 ? kStateGiven : kStatePlaced, std::to_string(r + 3));
    Set(b, 3, 3, kStatePlaced, "5");
    Set(b, 1, 1, kStatePlaced, "9");
    EXPECT_EQ(b.PeerCandidates(1, 1), "9");

    // Open peers' candidates do not block; a non-peer does not either.
    Set(b, 1, 2, kStateOpen, "1");
    Set(b, 9, 9, kStatePlaced, "9");
    EXPECT_EQ(b.PeerCandidates(1, 1), "19");
}

TEST(BoardCellsTest, PrunedCandidatesKeepsOwnRestriction) {
    BoardCells b = OpenBoard();
    Set(b, 4, 4, kStateOpen, "951");
    Set(b, 4, 9, kStatePlaced, "5");
    Set(b, 5, 5, kStateOpen, "1"); // open peers do not prune
    EXPECT_EQ(b.PrunedCandidates(4, 4), "19");

    // One peer digit takes away one occurrence only.
    Set(b, 4, 4, kStateOpen, "11");
    Set(b, 4, 9, kStateGiven, "1");
    EXPECT_EQ(b.PrunedCandidates(4, 4), "1");
    Set(b, 9, 4, kStatePlaced, "1");
    EXPECT_EQ(b.PrunedCandidates(4, 4), "");
}

TEST(BoardCellsTest, RemoveFromPeersSparesGivensAndTakesFirstOccurrence) {
    BoardCells b = OpenBoard();
    Set(b, 1, 1, kStatePlaced, "4");
    Set(b, 1, 5, kStateOpen, "2434"); // only the first 4 goes
    Set(b, 2, 2, kStatePlaced, "4");  // a placed peer is emptied
    Set(b, 7, 1, kStateGiven, "4");   // givens never change
    Set(b, 5, 5, kStateOpen, "4");    // not a peer
    b.RemoveFromPeers(1, 1);
    EXPECT_EQ(b.cell(1, 5).Text, "234");
    EXPECT_EQ(b.cell(2, 2).Text, "");
    EXPECT_EQ(b.cell(2, 2).State, kStatePlaced);
    EXPECT_EQ(b.cell(7, 1).Text, "4");
    EXPECT_EQ(b.cell(5, 5).Text, "4");
    EXPECT_EQ(b.cell(1, 1).Text, "4");

    // A cell that is not one character removes nothing.
    Set(b, 1, 1, kStateOpen, "34");
    b.RemoveFromPeers(1, 1);
    EXPECT_EQ(b.cell(1, 5).Text, "234");
}

TEST(BoardCellsTest, RestoreToPeersAppendsWhereAllowed) {
    BoardCells b = OpenBoard();
    // Take a placed 1 out of (1,1), as the play logic does.
    Set(b, 1, 3, kStateOpen, "24"); // regains 1 at the end
    Set(b, 1, 7, kStateOpen, "");   // empty open cell regains it too
    Set(b, 2, 2, kStateOpen, "14"); // already holds 1: unchanged
    Set(b, 3, 3, kStateOpen, "5");  // blocked: its peer (3,5) holds 1
    Set(b, 3, 5, kStatePlaced, "1");
    Set(b, 1, 9, kStatePlaced, "7"); // filled peers are not touched
    Set(b, 5, 5, kStateOpen, "");    // not a peer
    Set(b, 1, 1, kStateOpen, b.PeerCandidates(1, 1));
    b.RestoreToPeers(1, 1, '1');
    EXPECT_EQ(b.cell(1, 3).Text, "241");
    EXPECT_EQ(b.cell(1, 7).Text, "1");
    EXPECT_EQ(b.cell(2, 2).Text, "14");
    EXPECT_EQ(b.cell(3, 3).Text, "5");
    EXPECT_EQ(b.cell(1, 9).Text, "7");
    EXPECT_EQ(b.cell(5, 5).Text, "");

    // Anything but a digit 1..9 is ignored.
    b.RestoreToPeers(1, 1, '0');
    b.RestoreToPeers(1, 1, '\0');
    EXPECT_EQ(b.cell(1, 7).Text, "1");
}

TEST(BoardCellsTest, RemoveThenRestoreRoundTrip) {
    // Placing 6 in (5,4) touches exactly the cells sharing its row, column
    // or box; taking it out gives 6 back at the end of their texts.
    BoardCells b = OpenBoard();
    for (int i = 0; i < 81; ++i) b.at(i).Text = "123456789";
    Set(b, 5, 4, kStatePlaced, "6");
    b.RemoveFromPeers(5, 4);
    Set(b, 5, 4, kStateOpen, b.PeerCandidates(5, 4));
    b.RestoreToPeers(5, 4, '6');
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9 + 1, c = i % 9 + 1;
        const bool peer = r == 5 || c == 4 || BoardCells::BoxOf(r, c) == 5;
        EXPECT_EQ(b.at(i).Text, peer && i != 39 ? "123457896" : "123456789") << r << c;
    }
}

TEST(BoardCellsTest, FindConflictMarksEveryClash) {
    BoardCells b = OpenBoard();
    b.cell(9, 9).ErrorMark = true; // stale marks are cleared
    EXPECT_FALSE(b.FindConflict());
    EXPECT_FALSE(b.HasErrorMark());

    // (2,1) clashes with (2,5) and (8,1); a second, separate clash further down.
    Set(b, 2, 1, kStatePlaced, "3");
    Set(b, 2, 5, kStateGiven, "3");
    Set(b, 8, 1, kStatePlaced, "3");
    Set(b, 6, 6, kStatePlaced, "7");
    Set(b, 6, 9, kStatePlaced, "7");
    // Open cells with equal candidate text never conflict.
    Set(b, 1, 1, kStateOpen, "3");
    Set(b, 1, 2, kStateOpen, "3");
    EXPECT_TRUE(b.FindConflict());
    int marked = 0;
    for (int i = 0; i < 81; ++i) marked += b.at(i).ErrorMark;
    EXPECT_EQ(marked, 5);
    for (auto [r, c] : {std::pair{2, 1}, {2, 5}, {8, 1}, {6, 6}, {6, 9}})
        EXPECT_TRUE(b.cell(r, c).ErrorMark) << r << c;

    // Mend the first: only the second pair stays marked.
    Set(b, 2, 1, kStatePlaced, "4");
    Set(b, 8, 1, kStatePlaced, "5");
    EXPECT_TRUE(b.FindConflict());
    EXPECT_FALSE(b.cell(2, 1).ErrorMark);
    EXPECT_FALSE(b.cell(2, 5).ErrorMark);
    EXPECT_TRUE(b.cell(6, 6).ErrorMark);
    EXPECT_TRUE(b.cell(6, 9).ErrorMark);
}

TEST(BoardCellsTest, FilledCellsWithoutDigitDoNotConflict) {
    // The start-up board: all givens without text.
    BoardCells b;
    for (int i = 0; i < 81; ++i) b.at(i).State = kStateGiven;
    EXPECT_FALSE(b.FindConflict());
    EXPECT_FALSE(b.HasErrorMark());
    EXPECT_FALSE(b.IsSolved());
}

TEST(BoardCellsTest, IsSolved) {
    BoardCells b = SolvedBoard();
    EXPECT_TRUE(b.IsSolved());

    // All cells showing one candidate is not solved while any is open.
    b.at(40).State = kStateOpen;
    EXPECT_FALSE(b.IsSolved());
    b.at(40).State = kStateGiven;
    EXPECT_TRUE(b.IsSolved());

    // A clash is not solved, and the clash gets marked.
    // (1,1) becomes 3, clashing with (1,2) and (9,1): all three are marked.
    b.cell(1, 1).Text = "3";
    EXPECT_FALSE(b.IsSolved());
    EXPECT_TRUE(b.cell(1, 1).ErrorMark);
    EXPECT_TRUE(b.cell(9, 1).ErrorMark);
    EXPECT_TRUE(b.cell(1, 2).ErrorMark);

    // A filled cell whose digit was pruned away is not a finished cell.
    b.cell(1, 1).Text.clear();
    EXPECT_FALSE(b.IsSolved());
}

TEST(BoardCellsTest, GivensFromBoard) {
    BoardCells b = SolvedBoard();
    b.cell(1, 1).State = kStateGiven;
    b.cell(9, 9).State = kStateGiven;
    b.cell(5, 5).State = kStateOpen;
    const std::string g = b.GivensFromBoard();
    ASSERT_EQ(g.size(), 81u);
    EXPECT_EQ(g.front(), '5');
    EXPECT_EQ(g.back(), '9');
    EXPECT_EQ(g.substr(1, 79), std::string(79, '0'));

    // The start-up board writes no givens at all.
    BoardCells startup;
    for (int i = 0; i < 81; ++i) startup.at(i).State = kStateGiven;
    EXPECT_EQ(startup.GivensFromBoard(), "");
}

TEST(BoardCellsTest, CandidateState) {
    // No open cells, or open cells all empty: 0.
    EXPECT_EQ(SolvedBoard().CandidateState(), kCandidatesNone);
    BoardCells b = OpenBoard();
    EXPECT_EQ(b.CandidateState(), kCandidatesNone);

    Set(b, 1, 1, kStatePlaced, "5");
    for (int i = 1; i < 81; ++i) b.at(i).Text = b.PeerCandidates(i / 9 + 1, i % 9 + 1);
    EXPECT_EQ(b.CandidateState(), kCandidatesExact);

    // Order does not matter.
    b.cell(9, 9).Text = "987654321";
    EXPECT_EQ(b.CandidateState(), kCandidatesExact);

    // An edited set (a candidate removed, or one a filled peer holds).
    b.cell(1, 2).Text = "1234678";
    EXPECT_EQ(b.CandidateState(), kCandidatesEdited);
    b.cell(1, 2).Text = "12346789";
    b.cell(2, 2).Text += "5";
    EXPECT_EQ(b.CandidateState(), kCandidatesEdited);

    // One open cell emptied: 1, whatever the others hold.
    b.cell(4, 4).Text.clear();
    EXPECT_EQ(b.CandidateState(), kCandidatesPartial);
}

} // namespace
} // namespace velmar
