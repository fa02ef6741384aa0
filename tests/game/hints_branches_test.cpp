// SPDX-License-Identifier: GPL-3.0-or-later
// Stories of the study tools on the play session: the hint dialog's run
// (first hint, applying, Back Step, eliminations on paper and in candidates,
// the finish at closing) and branches (start, reject, accept, closed by a
// new game or a restart).
#include "session_fixture.h"

#include "history/position_line.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

struct BankSession {
    Random random{7};
    PlaySession s{PuzzleBank::builtIn(), random};
    RecordingListener l;
    explicit BankSession(int level) {
        s.SetListener(&l);
        s.NewGame(level);
    }
    // Presses the action button until an elimination waits; false if the
    // game ends first.
    bool UntilElimination() {
        for (int i = 0; i < 300 && s.hintText() != "Solved!"; ++i) {
            s.HintAction();
            if (s.hintOffersDoItForMe() && !s.hintEngine().hasPendingPlacement()) return true;
        }
        return false;
    }
    void UntilSolved() {
        for (int i = 0; i < 400 && s.hintText() != "Solved!"; ++i) s.HintAction();
    }
};

TEST(HintSessionTest, OpeningShowsTheFirstHintColouredOnTheBoard) {
    Random random{1};
    PlaySession none(TestBank(), random);
    EXPECT_FALSE(none.OpenHints()); // no game: nothing happens

    BankSession b(0);
    PlaySession& s = b.s;
    const std::string before = WritePositionLine(s.cells());
    ASSERT_TRUE(s.OpenHints());
    EXPECT_NE(s.hintText().find(" must be "), std::string::npos) << s.hintText();
    EXPECT_TRUE(s.hintOffersDoItForMe());
    int magenta = 0, cyan = 0, white = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TColor colour = s.board().CellColor(r, c);
            EXPECT_EQ(s.board().CandidateColor(r, c, 5), colour);
            magenta += colour == kHighlightMagenta;
            cyan += colour == kHighlightCyan;
            white += colour == kWhite;
        }
    EXPECT_EQ(magenta, 1);
    EXPECT_EQ(cyan, 8);
    EXPECT_EQ(white, 72);

    // Closed without applying: the cells and the log stay, the colours return.
    s.CloseHints();
    EXPECT_EQ(WritePositionLine(s.cells()), before);
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
    EXPECT_EQ(s.board().CellColor(1, 1), s.board().DefaultColor(1, 1, s.SelectedDigit()));
}

TEST(HintSessionTest, AnAppliedSingleIsOneStepThatBackStepUndoes) {
    BankSession b(1);
    PlaySession& s = b.s;
    s.OpenHints();
    const CellDigit single = *s.hintEngine().hint().placement;
    const int row = single.cell / 9 + 1, col = single.cell % 9 + 1;
    const int count = s.counts()[single.digit - 1];
    s.HintAction();
    EXPECT_EQ(s.cells().cell(row, col).Text, Digit(single.digit));
    EXPECT_EQ(s.cells().cell(row, col).State, kStatePlaced);
    EXPECT_EQ(s.board().Caption(row, col), Digit(single.digit));
    EXPECT_EQ(s.counts()[single.digit - 1], count + 1);
    EXPECT_TRUE(s.hintText().empty());
    EXPECT_FALSE(s.hintOffersDoItForMe());
    EXPECT_EQ(s.board().CellColor(row, col), kWhite); // highlights cleared
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
    EXPECT_TRUE(s.stepButtons().Back);
    s.HintAction(); // the next hint: a search, no step
    EXPECT_FALSE(s.hintText().empty());
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
    s.CloseHints();

    s.GoStep(StepMove::Back);
    EXPECT_TRUE(s.cells().cell(row, col).Text.empty());
    EXPECT_EQ(s.cells().cell(row, col).State, kStateOpen);
}

TEST(HintSessionTest, EliminationsStayInTheEngineOnPaperAndReachCandidates) {
    BankSession paper(4);
    PlaySession& s = paper.s;
    s.OpenHints();
    ASSERT_TRUE(paper.UntilElimination());
    const Hint elimination = s.hintEngine().hint();
    ASSERT_FALSE(elimination.eliminations.empty());
    const std::string line = WritePositionLine(s.cells());
    const size_t steps = s.stepLog().Entries().size();
    s.HintAction(); // "Do It For Me": nothing visible changes
    EXPECT_EQ(WritePositionLine(s.cells()), line);
    EXPECT_EQ(s.stepLog().Entries().size(), steps);
    EXPECT_FALSE(s.hintOffersDoItForMe());
    // The next hint builds on the eliminated candidates.
    s.HintAction();
    EXPECT_NE(s.hintEngine().hint().sentence, elimination.sentence);
    for (const CellDigit& gone : elimination.eliminations)
        EXPECT_FALSE(s.hintEngine().candidates(hints::engineCellOfIndex(gone.cell)) &
                     (1u << (gone.digit - 1)));

    // With candidates on the board the same kind of hint removes them there.
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
        const int row = g.cell / 9 + 1, col = g.cell % 9 + 1;
        EXPECT_EQ(m.cells().cell(row, col).Text.find(Digit(g.digit)), std::string::npos);
        EXPECT_FALSE(m.board().CandidateVisible(row, col, g.digit));
    }
}

TEST(HintSessionTest, TheLastDigitByHintFinishesTheGameWhenTheDialogCloses) {
    BankSession b(2);
    PlaySession& s = b.s;
    s.StartBranch();
    s.OpenHints();
    b.UntilSolved();
    ASSERT_EQ(s.hintText(), "Solved!");
    EXPECT_FALSE(s.hintOffersDoItForMe());
    s.HintAction(); // the outcome repeats
    EXPECT_EQ(s.hintText(), "Solved!");
    EXPECT_FALSE(s.finished()); // not before the dialog closes
    s.CloseHints();
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(s.clockRunning());
    EXPECT_EQ(s.counts(), (std::array<int, 9>{9, 9, 9, 9, 9, 9, 9, 9, 9}));
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(s.cells().at(i).Text, Digit(s.model().node(i / 9 + 1, i % 9 + 1).Digit));
    const BranchButtons closed = s.branchButtons();
    EXPECT_FALSE(closed.Start || closed.Accept || closed.Reject);
    EXPECT_TRUE(b.l.told.empty()); // the finish label speaks, no message

    // Opened again on the solved board: "Solved!" at once.
    s.OpenHints();
    EXPECT_EQ(s.hintText(), "Solved!");
    s.CloseHints();
    // A restart opens branches again.
    s.RestartGame();
    EXPECT_TRUE(s.branchButtons().Start);
}

TEST(BranchSessionTest, RejectRestoresTheStartAsOneMoreStep) {
    SessionFixture f;
    PlaySession& s = f.s;
    EXPECT_TRUE(s.branchButtons().Start);
    const std::vector<Cell> open = f.CellsIn(kStateOpen);
    f.Place(open[0], f.Solution(open[0]));
    const std::string start = WritePositionLine(s.cells());
    const size_t steps = s.stepLog().Entries().size();

    s.StartBranch();
    EXPECT_FALSE(s.branchButtons().Start);
    EXPECT_TRUE(s.branchButtons().Accept && s.branchButtons().Reject);
    EXPECT_EQ(s.branchSnapshot(), start);
    s.SetMarking(true);
    s.CellClick(open[5].row, open[5].col, MouseButton::Left);
    s.SetMarking(false);
    const TColor marked = s.board().CellColor(open[5].row, open[5].col);
    f.Place(open[1], 3);
    f.Place(open[2], 4);
    s.GoStep(StepMove::Back); // stepping inside the branch keeps it open
    EXPECT_TRUE(s.branchButtons().Reject);
    s.GoStep(StepMove::Next);

    s.RejectBranch();
    EXPECT_EQ(WritePositionLine(s.cells()), start);
    EXPECT_EQ(s.stepLog().Entries().size(), steps + 3);
    EXPECT_FALSE(s.stepButtons().Next || s.stepButtons().Last);
    EXPECT_TRUE(s.branchButtons().Start);
    EXPECT_FALSE(s.branchButtons().Accept || s.branchButtons().Reject);
    EXPECT_TRUE(s.branchSnapshot().empty());
    EXPECT_EQ(s.board().CellColor(open[5].row, open[5].col), marked);
    // Back walks through the rejected moves.
    s.GoStep(StepMove::Back);
    EXPECT_EQ(f.TextOf(open[2]), "4");

    // Start and Reject at once: nothing to add.
    s.GoStep(StepMove::Last);
    const size_t now = s.stepLog().Entries().size();
    s.StartBranch();
    s.RejectBranch();
    EXPECT_EQ(s.stepLog().Entries().size(), now);
    s.RejectBranch(); // disabled: nothing
    EXPECT_EQ(s.stepLog().Entries().size(), now);
}

TEST(BranchSessionTest, AcceptKeepsThePlayAndGamesCloseBranches) {
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
    EXPECT_TRUE(s.branchButtons().Start);
    EXPECT_FALSE(s.branchButtons().Accept || s.branchButtons().Reject);
    s.StartBranch();
    s.RestartGame();
    EXPECT_TRUE(s.branchButtons().Start && !s.branchButtons().Reject);

    Random random{3};
    PlaySession fresh(TestBank(), random);
    const BranchButtons off = fresh.branchButtons();
    EXPECT_FALSE(off.Start || off.Accept || off.Reject);
    fresh.StartBranch(); // no game: nothing
    EXPECT_TRUE(fresh.branchSnapshot().empty());
}

} // namespace
} // namespace velmar::test
