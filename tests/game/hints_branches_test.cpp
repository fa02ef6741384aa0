// SPDX-License-Identifier: GPL-3.0-or-later
// The study tools on the play session: the hint dialog's run (first hint,
// applying, Back Step, eliminations on paper and in candidates, the finish
// at closing) and branches (reject, accept, closed by new games).
#include "session_fixture.h"

#include "history/position_line.h"

#include <gtest/gtest.h>

#include <map>

namespace velmar::test {
namespace {

struct BankSession {
    Random random{7};
    PlaySession s{PuzzleBank::builtIn(), random};
    RecordingListener l;
    explicit BankSession(int level) {
        s.SetListener(&l);
        s.NewGame(level);
        s.OpenHints();
    }
    // Presses the action button until an elimination waits.
    bool UntilElimination() {
        for (int i = 0; i < 300 && s.hintText() != "Solved!"; ++i) {
            s.HintAction();
            if (s.hintOffersDoItForMe() && !s.hintEngine().hasPendingPlacement()) return true;
        }
        return false;
    }
};

TEST(HintSessionTest, FirstHintIsColouredAndAnAppliedSingleIsOneStep) {
    Random random{1};
    PlaySession none(TestBank(), random);
    EXPECT_FALSE(none.OpenHints()); // no game: nothing happens

    BankSession b(1);
    PlaySession& s = b.s;
    ASSERT_TRUE(s.hintOffersDoItForMe());
    const CellDigit single = *s.hintEngine().hint().placement;
    const int row = single.cell / 9 + 1, col = single.cell % 9 + 1;
    std::map<TColor, int> colours;
    int ownColours = 0; // cells the hint leaves in the board's own colours
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9 + 1, c = i % 9 + 1;
        const TColor colour = s.board().CandidateColor(r, c, 5);
        ++colours[colour];
        ownColours += colour == s.board().DefaultColor(r, c, s.SelectedDigit());
    }
    EXPECT_EQ(s.board().CellColor(row, col), kHighlightMagenta);
    EXPECT_EQ(colours[kHighlightMagenta], 1);
    EXPECT_EQ(colours[kHighlightCyan], 8); // a hidden single's unit
    EXPECT_EQ(ownColours, 72);             // box shading kept

    const int count = s.counts()[single.digit - 1];
    s.HintAction();
    EXPECT_EQ(s.cells().cell(row, col).Text, Digit(single.digit));
    EXPECT_EQ(s.board().Caption(row, col), Digit(single.digit));
    EXPECT_EQ(s.counts()[single.digit - 1], count + 1);
    EXPECT_TRUE(s.hintText().empty());
    EXPECT_EQ(s.board().CellColor(row, col), s.board().DefaultColor(row, col, s.SelectedDigit()));
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
    s.HintAction(); // a search adds no step
    const std::string line = WritePositionLine(s.cells());
    s.CloseHints(); // while "Do It For Me" is shown: nothing is applied
    EXPECT_EQ(WritePositionLine(s.cells()), line);
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
    EXPECT_EQ(s.board().CellColor(1, 1), s.board().DefaultColor(1, 1, s.SelectedDigit()));

    s.GoStep(StepMove::Back);
    EXPECT_EQ(s.cells().cell(row, col).State, kStateOpen);
}

TEST(HintSessionTest, EliminationsStayInTheEngineOnPaperAndReachCandidates) {
    BankSession paper(4);
    PlaySession& s = paper.s;
    ASSERT_TRUE(paper.UntilElimination());
    const Hint elimination = s.hintEngine().hint();
    const std::string line = WritePositionLine(s.cells());
    const size_t steps = s.stepLog().Entries().size();
    s.HintAction();
    EXPECT_EQ(WritePositionLine(s.cells()), line);
    EXPECT_EQ(s.stepLog().Entries().size(), steps);
    s.HintAction(); // the next hint builds on it
    EXPECT_NE(s.hintText(), elimination.sentence);
    for (const CellDigit& gone : elimination.eliminations)
        EXPECT_FALSE(s.hintEngine().candidates(hints::engineCellOfIndex(gone.cell)) &
                     (1u << (gone.digit - 1)));

    BankSession marks(4);
    PlaySession& m = marks.s;
    m.ChooseMode(OperationMode::AllCandidates);
    m.OpenHints();
    ASSERT_TRUE(marks.UntilElimination());
    const std::vector<CellDigit> gone = m.hintEngine().hint().eliminations;
    const size_t before = m.stepLog().Entries().size();
    m.HintAction();
    EXPECT_EQ(m.stepLog().Entries().size(), before + 1);
    for (const CellDigit& g : gone) {
        EXPECT_EQ(m.cells().at(g.cell).Text.find(Digit(g.digit)), std::string::npos);
        EXPECT_FALSE(m.board().CandidateVisible(g.cell / 9 + 1, g.cell % 9 + 1, g.digit));
    }
}

TEST(HintSessionTest, TheLastDigitByHintFinishesTheGameWhenTheDialogCloses) {
    BankSession b(2);
    PlaySession& s = b.s;
    s.StartBranch();
    s.OpenHints();
    for (int i = 0; i < 400 && s.hintText() != "Solved!"; ++i) s.HintAction();
    s.HintAction(); // the outcome repeats
    EXPECT_EQ(s.hintText(), "Solved!");
    EXPECT_FALSE(s.finished()); // not before the dialog closes
    s.CloseHints();
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(s.clockRunning());
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(s.cells().at(i).Text, Digit(s.model().node(i / 9 + 1, i % 9 + 1).Digit));
    EXPECT_FALSE(s.branchButtons().Start || s.branchButtons().Reject);
    EXPECT_TRUE(b.l.told.empty());
    s.OpenHints(); // on the solved board: "Solved!" at once
    EXPECT_EQ(s.hintText(), "Solved!");
    s.CloseHints();
    s.RestartGame(); // a restart opens branches again
    EXPECT_TRUE(s.branchButtons().Start);
}

TEST(BranchSessionTest, RejectRestoresTheStartAsOneMoreStep) {
    SessionFixture f;
    PlaySession& s = f.s;
    const std::vector<Cell> open = f.CellsIn(kStateOpen);
    f.Place(open[0], f.Solution(open[0]));
    const std::string start = WritePositionLine(s.cells());
    const size_t steps = s.stepLog().Entries().size();
    s.StartBranch();
    EXPECT_FALSE(s.branchButtons().Start);
    EXPECT_TRUE(s.branchButtons().Accept && s.branchButtons().Reject);
    s.SetMarking(true);
    s.CellClick(open[5].row, open[5].col, MouseButton::Left);
    s.SetMarking(false);
    f.Place(open[1], 3);
    f.Place(open[2], 4);
    s.GoStep(StepMove::Back); // stepping inside the branch keeps it open
    s.GoStep(StepMove::Next);

    s.RejectBranch();
    EXPECT_EQ(WritePositionLine(s.cells()), start);
    EXPECT_EQ(s.stepLog().Entries().size(), steps + 3);
    EXPECT_FALSE(s.stepButtons().Next || s.stepButtons().Last);
    EXPECT_TRUE(s.branchButtons().Start && !s.branchButtons().Reject);
    EXPECT_EQ(s.board().CellColor(open[5].row, open[5].col), s.markColour());
    s.GoStep(StepMove::Back); // back through the rejected moves
    EXPECT_EQ(f.TextOf(open[2]), "4");

    s.GoStep(StepMove::Last);
    s.StartBranch();
    s.RejectBranch(); // at once: nothing to add
    s.RejectBranch(); // disabled: nothing
    EXPECT_EQ(s.stepLog().Entries().size(), steps + 3);
}

TEST(BranchSessionTest, AcceptKeepsThePlayAndNewGamesCloseBranches) {
    SessionFixture f;
    PlaySession& s = f.s;
    const Cell cell = f.CellsIn(kStateOpen).front();
    s.StartBranch();
    f.Place(cell, 6);
    const size_t steps = s.stepLog().Entries().size();
    s.AcceptBranch();
    EXPECT_EQ(f.TextOf(cell), "6");
    EXPECT_EQ(s.stepLog().Entries().size(), steps);
    EXPECT_TRUE(s.branchButtons().Start && !s.branchButtons().Reject);
    s.StartBranch();
    s.NewGame(2);
    EXPECT_TRUE(s.branchButtons().Start && !s.branchButtons().Accept && !s.branchButtons().Reject);

    Random random{3};
    PlaySession fresh(TestBank(), random);
    EXPECT_FALSE(fresh.branchButtons().Start || fresh.branchButtons().Accept);
}

} // namespace
} // namespace velmar::test
