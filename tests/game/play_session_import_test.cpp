// SPDX-License-Identifier: GPL-3.0-or-later
// A game started from a puzzle built in the import-or-create dialog.
#include "session_fixture.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

// The fixture bank's first puzzle as the dialog hands it over: givens,
// solution, and every open cell with the candidates its givens leave.
struct Imported {
    TQJ game;
    BoardCells board;
    std::string solution;

    Imported() {
        std::string givens;
        for (char ch : MarkedLine(0)) {
            solution += static_cast<char>('0' + MarkedDigit(ch));
            givens += ch <= '9' ? ch : '0';
        }
        game.LoadGivens(givens);
        game.LoadSolutionString(solution);
        for (int i = 0; i < 81; ++i) {
            board.at(i).State = givens[i] != '0' ? kStateGiven : kStateOpen;
            board.at(i).Text = givens[i] != '0' ? givens.substr(i, 1) : "";
        }
        for (int i = 0; i < 81; ++i)
            if (givens[i] == '0') board.at(i).Text = board.PeerCandidates(i / 9 + 1, i % 9 + 1);
    }
};

TEST(PlaySessionImportTest, EditedCandidateListsPlayInAllCandidates) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.SetMarking(true);
    f.l.clockResets = 0;
    Imported in;
    in.board.at(1).Text = in.solution.substr(1, 1) + "9"; // cut down, and out of order

    s.StartImported(in.game, in.board);
    EXPECT_EQ(s.level(), 5);
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(s.SelectedDigit(), 1);
    EXPECT_FALSE(s.marking());
    EXPECT_EQ(s.model().GetSolutionString(), in.solution);
    std::string kept = s.cells().at(1).Text, came = in.board.at(1).Text;
    std::sort(kept.begin(), kept.end());
    std::sort(came.begin(), came.end());
    EXPECT_EQ(kept, came);
    EXPECT_EQ(s.cells().at(2).Text, in.board.at(2).Text);
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
    EXPECT_EQ(s.stepButtons(), StepButtons{});
    EXPECT_TRUE(
        (s.branchButtons().Start && !s.branchButtons().Accept && !s.branchButtons().Reject));
    EXPECT_EQ(f.l.clockResets, 1);
}

TEST(PlaySessionImportTest, ComputedCandidatesPlayOnPaperWithoutSolution) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.ChooseMode(OperationMode::AllCandidates);
    Imported in;
    in.game.ClearSolution(); // several solutions: none is stored
    s.StartImported(in.game, in.board);
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    EXPECT_EQ(s.model().GetSolutionString(), "");
    for (Cell c : f.CellsIn(kStateOpen)) EXPECT_EQ(f.TextOf(c), "");
    EXPECT_EQ(f.CellsIn(kStateGiven).size(), 27u);
}

} // namespace
} // namespace velmar::test
