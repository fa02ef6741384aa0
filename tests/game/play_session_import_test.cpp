// SPDX-License-Identifier: GPL-3.0-or-later
// A game started from a puzzle built in the import-or-create dialog.
#include "session_fixture.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

// The valid grid of the fixture's bank; every third cell a given.
struct Imported {
    TQJ game;
    BoardCells board;
    std::string solution;
};

Imported MakeImported(bool candidateLists) {
    Imported in;
    std::string givens;
    for (char ch : MarkedLine(0)) {
        in.solution += static_cast<char>('0' + MarkedDigit(ch));
        givens += ch <= '9' ? ch : '0';
    }
    in.game.LoadGivens(givens);
    in.game.LoadSolutionString(in.solution);
    for (int i = 0; i < 81; ++i) {
        TPicNode& n = in.board.at(i);
        n.State = givens[i] != '0' ? kStateGiven : kStateOpen;
        n.Text = givens[i] != '0' ? givens.substr(i, 1) : "";
    }
    // Lists thinned to the solution digit and one more: edited candidates.
    if (candidateLists)
        for (int i = 0; i < 81; ++i)
            if (givens[i] == '0') {
                const std::string computed = in.board.PeerCandidates(i / 9 + 1, i % 9 + 1);
                const char other = computed[0] == in.solution[i] ? computed[1] : computed[0];
                in.board.at(i).Text = {in.solution[i], other};
            }
    return in;
}

TEST(PlaySessionImportTest, CandidateListsPlayInAllCandidates) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.SetMarking(true);
    s.CellClick(1, 2, MouseButton::Left);
    f.Place(f.CellsIn(kStateOpen).front(), 3);
    f.l.clockResets = 0;

    const Imported in = MakeImported(true);
    s.StartImported(in.game, in.board);
    EXPECT_EQ(s.level(), 5);
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(s.SelectedDigit(), 1);
    EXPECT_FALSE(s.marking());
    EXPECT_TRUE(s.marks().IsEmpty());
    EXPECT_EQ(s.model().GetSolutionString(), in.solution);
    for (int i = 0; i < 81; ++i) {
        const TPicNode& n = s.cells().at(i);
        EXPECT_EQ(n.State, in.board.at(i).State);
        // The lists stay as they came, up to order.
        std::string held = n.Text, came = in.board.at(i).Text;
        std::sort(held.begin(), held.end());
        std::sort(came.begin(), came.end());
        EXPECT_EQ(held, came) << i;
    }
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
    EXPECT_EQ(s.stepButtons(), StepButtons{});
    EXPECT_TRUE(
        (s.branchButtons().Start && !s.branchButtons().Accept && !s.branchButtons().Reject));
    EXPECT_EQ(f.l.clockResets, 1);
    EXPECT_TRUE(f.l.clockRunning);
    EXPECT_FALSE(s.finished());
}

TEST(PlaySessionImportTest, GivensOnlyPlayOnPaperWithoutSolution) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.ChooseMode(OperationMode::AllCandidates);
    Imported in = MakeImported(false);
    in.game.ClearSolution(); // several solutions: none is stored
    // Lists exactly as the givens leave them can be computed again: they go.
    for (int i = 0; i < 81; ++i)
        if (in.board.at(i).State == kStateOpen)
            in.board.at(i).Text = in.board.PeerCandidates(i / 9 + 1, i % 9 + 1);
    s.StartImported(in.game, in.board);
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    EXPECT_EQ(s.model().GetSolutionString(), "");
    for (Cell c : f.CellsIn(kStateOpen)) EXPECT_EQ(f.TextOf(c), "");
    EXPECT_EQ(f.CellsIn(kStateGiven).size(), 27u);
    // Play goes on: a digit placed on paper is a step.
    f.Place(f.CellsIn(kStateOpen).front(), 4);
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
}

} // namespace
} // namespace velmar::test
