// SPDX-License-Identifier: GPL-3.0-or-later
// The session's tools and the rules a player tripped over: checking, the
// solution, restart, the finish said once, candidates only in open cells,
// every clash marked, and a wrong lone candidate painted whole.
#include "session_fixture.h"

#include "history/position_line.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

constexpr TColor kCheckRed = 254;

TEST(SessionRulesTest, CheckErrorMarksWrongCellsUntilTheNextAction) {
    SessionFixture f;
    PlaySession& s = f.s;
    const std::vector<Cell> open = f.CellsIn(kStateOpen);
    s.CheckError();
    EXPECT_EQ(f.l.told, std::vector<std::string>{"msg_no_error"});

    const int right = f.Solution(open[0]);
    f.Place(open[0], right % 9 + 1);
    s.CheckError();
    EXPECT_EQ(s.board().CellColor(open[0].row, open[0].col), kCheckRed);
    EXPECT_EQ(f.l.told.size(), 1u); // errors found: the red cells answer
    s.DigitKey(right);              // the next action repaints
    EXPECT_NE(s.board().CellColor(open[0].row, open[0].col), kCheckRed);

    // In a candidate mode an open cell lacking its digit is wrong too, and a
    // wrong lone candidate is red all over, not only around its big digit.
    s.CellClick(open[0].row, open[0].col, MouseButton::Right);
    s.ChooseMode(OperationMode::AllCandidates);
    std::vector<Cell> wide;
    for (Cell c : open)
        if (f.TextOf(c).size() >= 3) wide.push_back(c);
    ASSERT_GE(wide.size(), 2u);
    s.CandidateClick(wide[0].row, wide[0].col, f.Solution(wide[0]), MouseButton::Right);
    const Cell lone = wide[1];
    s.CellClick(lone.row, lone.col, MouseButton::Right); // the tile
    s.WriteTile(Digit(f.Solution(lone) % 9 + 1));
    s.CloseTile();
    ASSERT_NE(s.board().LoneCandidate(lone.row, lone.col), 0);
    s.CheckError();
    for (Cell c : {wide[0], lone}) {
        EXPECT_EQ(s.board().CellColor(c.row, c.col), kCheckRed);
        for (int d = 1; d <= 9; ++d)
            EXPECT_EQ(s.board().CandidateColor(c.row, c.col, d), kCheckRed);
    }

    // With the solution unknown every open cell of several candidates is
    // marked ("0" is never a candidate), and no filled cell.
    std::string givens = s.model().GetGivensString();
    s.StartPuzzle(givens, "", 5);
    s.ChooseMode(OperationMode::AllCandidates);
    s.CheckError();
    for (Cell c : f.CellsIn(kStateOpen)) {
        if (f.TextOf(c).size() != 1) {
            EXPECT_EQ(s.board().CellColor(c.row, c.col), kCheckRed);
        }
    }
    for (Cell c : f.CellsIn(kStateGiven)) EXPECT_NE(s.board().CellColor(c.row, c.col), kCheckRed);
}

TEST(SessionRulesTest, FindSolutionFromTheGameOrTheGivens) {
    SessionFixture f;
    PlaySession& s = f.s;
    const std::string solution = s.model().GetSolutionString();
    EXPECT_EQ(s.FindSolution().kind, SolutionReport::Known);
    EXPECT_EQ(s.FindSolution().first, solution);

    std::string allButOne = solution;
    allButOne[40] = '0';
    ASSERT_TRUE(s.StartPuzzle(allButOne, "", 5));
    EXPECT_EQ(s.level(), 5);
    EXPECT_EQ(s.FindSolution().kind, SolutionReport::One);
    EXPECT_EQ(s.FindSolution().first, solution);

    const std::string firstRow = solution.substr(0, 9) + std::string(72, '0');
    s.StartPuzzle(firstRow, "", 5);
    const SolutionReport two = s.FindSolution();
    EXPECT_EQ(two.kind, SolutionReport::Several);
    EXPECT_NE(two.first, two.second);

    std::string clash = firstRow;
    clash[1] = clash[0];
    s.StartPuzzle(clash, "", 5);
    EXPECT_EQ(s.FindSolution().kind, SolutionReport::None);
    EXPECT_FALSE(s.StartPuzzle("not a puzzle", "", 5));
}

TEST(SessionRulesTest, RestartAsksThenTakesTheGameBackToItsGivens) {
    Random random(1);
    PlaySession none(TestBank(), random);
    RecordingListener quiet;
    none.SetListener(&quiet);
    EXPECT_FALSE(none.RestartGame()); // no puzzle: nothing, not even a question
    EXPECT_TRUE(quiet.asked.empty());

    SessionFixture f;
    PlaySession& s = f.s;
    const std::vector<Cell> open = f.CellsIn(kStateOpen);
    f.Place(open[0], 2);
    s.ChooseMode(OperationMode::PartCandidates);
    s.SetMarking(true);
    s.SetMarkColour(0x00AA00);
    s.CellClick(open[1].row, open[1].col, MouseButton::Left);
    const std::string line = WritePositionLine(s.cells());
    f.l.clockResets = 0;

    f.l.answer = false;
    EXPECT_FALSE(s.RestartGame());
    EXPECT_EQ(f.l.asked.back(), "msg_title_confirm|msg_restart");
    EXPECT_EQ(WritePositionLine(s.cells()), line);
    EXPECT_EQ(s.mode(), OperationMode::PartCandidates);
    EXPECT_EQ(f.l.clockResets, 0);

    f.l.answer = true;
    EXPECT_TRUE(s.RestartGame());
    for (Cell c : open) EXPECT_EQ(s.cells().cell(c.row, c.col).Text, "");
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    EXPECT_EQ(s.SelectedDigit(), 1);
    EXPECT_FALSE(s.marking());
    EXPECT_TRUE(s.marks().IsEmpty());
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
    EXPECT_EQ(s.stepButtons(), StepButtons{});
    EXPECT_EQ(f.l.clockResets, 1);
}

// Every open cell but one placed right; returns the one left.
Cell FillAllButOne(SessionFixture& f) {
    std::vector<Cell> open = f.CellsIn(kStateOpen);
    const Cell last = open.back();
    open.pop_back();
    for (Cell c : open) f.Place(c, f.Solution(c));
    return last;
}

TEST(SessionRulesTest, SolvedIsSaidOnceWhenTheBoardBecomesSolved) {
    SessionFixture f;
    PlaySession& s = f.s;
    const Cell last = FillAllButOne(f);
    EXPECT_TRUE(f.l.told.empty());
    f.Place(last, f.Solution(last));
    EXPECT_EQ(f.l.told, std::vector<std::string>{"msg_puzzlesolved"});
    EXPECT_TRUE(s.finished());
    EXPECT_FALSE(f.l.clockRunning);
    EXPECT_FALSE(s.branchButtons().Start); // the cell path switches branches off
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(s.counts()[d - 1], 9);
    // Later clicks on the solved board, a given's included, say nothing.
    const Cell given = f.CellsIn(kStateGiven).front();
    s.CellClick(given.row, given.col, MouseButton::Left);
    f.Place(last, f.Solution(last));
    EXPECT_EQ(f.l.told.size(), 1u);
    // Stepping back and forth shows the badge with the board, silently.
    s.GoStep(StepMove::Back);
    EXPECT_FALSE(s.finished());
    s.GoStep(StepMove::Last);
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(f.l.told.size(), 1u);
}

TEST(SessionRulesTest, FinishedBoardTakesNoMovesUntilTheNextGame) {
    SessionFixture f;
    PlaySession& s = f.s;
    const Cell last = FillAllButOne(f);
    f.Place(last, f.Solution(last));
    ASSERT_TRUE(s.locked());
    // A right click would erase; the finished board keeps its digit and badge.
    s.CellClick(last.row, last.col, MouseButton::Right);
    EXPECT_EQ(f.TextOf(last), Digit(f.Solution(last)));
    EXPECT_TRUE(s.finished());
    // History stays browsable, but an earlier step takes no moves either, so
    // the game cannot be solved, and celebrated, a second time.
    const std::size_t steps = s.stepLog().Entries().size();
    s.GoStep(StepMove::Back);
    ASSERT_EQ(f.TextOf(last), "");
    f.Place(last, f.Solution(last));
    s.CellClick(last.row, last.col, MouseButton::Right); // the tile stays shut
    EXPECT_EQ(f.TextOf(last), "");
    EXPECT_FALSE(f.l.tileShown);
    EXPECT_EQ(s.stepLog().Entries().size(), steps);
    EXPECT_EQ(f.l.told.size(), 1u);
    // A restart is a new game: moves count again.
    ASSERT_TRUE(s.RestartGame());
    EXPECT_FALSE(s.locked());
    f.Place(last, f.Solution(last));
    EXPECT_EQ(f.TextOf(last), Digit(f.Solution(last)));
}

TEST(SessionRulesTest, CandidateClickFinishKeepsTheBranchButtons) {
    SessionFixture f;
    PlaySession& s = f.s;
    const Cell last = FillAllButOne(f);
    s.ChooseMode(OperationMode::AllCandidates);
    ASSERT_EQ(f.TextOf(last), Digit(f.Solution(last)));
    s.CandidateClick(last.row, last.col, f.Solution(last), MouseButton::Left);
    EXPECT_EQ(f.l.told, std::vector<std::string>{"msg_puzzle_solved"});
    EXPECT_TRUE(s.finished());
    EXPECT_TRUE(s.branchButtons().Start);
}

TEST(SessionRulesTest, PartCandidatesFillOnlyOpenCells) {
    // A placed digit emptied by a clash stays a placed cell: selecting a
    // digit must not give it candidates, which no position line can hold.
    SessionFixture f;
    PlaySession& s = f.s;
    const auto [a, b] = f.OpenPeers();
    const int d = f.Solution(a);
    f.Place(b, d);
    s.ChooseMode(OperationMode::PartCandidates);
    s.DigitKey(d);
    s.CandidateClick(a.row, a.col, d, MouseButton::Left); // auto update empties b
    ASSERT_EQ(f.StateOf(b), kStatePlaced);
    ASSERT_TRUE(f.TextOf(b).empty());
    s.SelectDigit(d % 9 + 1);
    EXPECT_EQ(f.StateOf(b), kStatePlaced);
    EXPECT_TRUE(f.TextOf(b).empty());
    for (const std::string& entry : s.stepLog().Entries()) {
        BoardCells read;
        EXPECT_TRUE(ReadPositionLine(read, entry)) << entry;
    }
    BoardCells now;
    EXPECT_TRUE(ReadPositionLine(now, WritePositionLine(s.cells())));
}

TEST(SessionRulesTest, EveryClashIsMarkedAndNoneIsHighlighted) {
    SessionFixture f;
    PlaySession& s = f.s;
    std::string givens(81, '0');
    givens[0] = '5';
    givens[80] = '7';
    s.StartPuzzle(givens, "", 5);
    f.Place({1, 2}, 5);
    f.Place({9, 8}, 7); // a second clash, far from the first; 7 is selected
    for (Cell c : {Cell{1, 1}, Cell{1, 2}, Cell{9, 8}, Cell{9, 9}}) {
        EXPECT_TRUE(s.cells().cell(c.row, c.col).ErrorMark);
        EXPECT_EQ(s.board().CellColor(c.row, c.col), s.board().properties().errorcolor);
    }
}

TEST(SessionRulesTest, NoPlayLeavesALineThatCannotBeReadBack) {
    // Random play in every mode: each step the log records must read back.
    SessionFixture f;
    PlaySession& s = f.s;
    Random dice(7);
    const OperationMode modes[] = {OperationMode::PencilAndPaper, OperationMode::AllCandidates,
                                   OperationMode::PartCandidates};
    for (int i = 0; i < 3000; ++i) {
        const int r = dice.uniform(1, 9), c = dice.uniform(1, 9), d = dice.uniform(1, 9);
        const MouseButton b = dice.uniform(0, 1) ? MouseButton::Left : MouseButton::Right;
        switch (dice.uniform(0, 9)) {
        case 0:
            s.ChooseMode(modes[dice.uniform(0, 2)]);
            break;
        case 1:
            s.SelectDigit(d);
            break;
        case 2:
            s.DigitRightClick(d);
            break;
        case 3:
            s.SetAutoUpdate(dice.uniform(0, 1));
            break;
        case 4:
            s.GoStep(StepMove::Back);
            break;
        case 5:
            s.WriteTile(Digit(d) + Digit(dice.uniform(1, 9)));
            break;
        case 6:
            s.CandidateClick(r, c, d, b);
            break;
        default:
            s.DigitKey(d);
            s.CellClick(r, c, b);
            break;
        }
        BoardCells read;
        ASSERT_TRUE(ReadPositionLine(read, WritePositionLine(s.cells()))) << i;
    }
    for (const std::string& entry : s.stepLog().Entries()) {
        BoardCells read;
        EXPECT_TRUE(ReadPositionLine(read, entry)) << entry;
    }
}

} // namespace
} // namespace velmar::test
