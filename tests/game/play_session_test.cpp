// SPDX-License-Identifier: GPL-3.0-or-later
// Player stories on the play session, without a window: the three operation
// modes, the question before edited candidates go, several digits at once,
// colour marks, the candidate tile and the step log.
#include "session_fixture.h"

#include "history/position_line.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

TEST(PlaySessionTest, NewGameStartsOnPaperWithDigitOne) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.ChooseMode(OperationMode::AllCandidates);
    s.SetMarking(true);
    s.CellClick(1, 2, MouseButton::Left);
    ASSERT_FALSE(s.marks().IsEmpty());
    f.l.clockResets = 0;

    ASSERT_TRUE(s.NewGame(3));
    EXPECT_EQ(s.level(), 3);
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    EXPECT_EQ(s.SelectedDigit(), 1);
    EXPECT_FALSE(s.autoUpdateEnabled());
    EXPECT_FALSE(s.marking());
    EXPECT_TRUE(s.marks().IsEmpty());
    EXPECT_FALSE(s.candidatesOn());
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
    EXPECT_EQ(s.stepButtons(), StepButtons{});
    EXPECT_EQ(f.l.clockResets, 1);
    EXPECT_TRUE(f.l.clockRunning);
    EXPECT_EQ(f.CellsIn(kStateGiven).size(), 27u);
    for (Cell c : f.CellsIn(kStateOpen)) EXPECT_TRUE(f.TextOf(c).empty());
    // A bank list too short to draw from changes nothing.
    const std::string one = MarkedLine(0);
    const PuzzleBank shortBank({one, one, one, one, one});
    PlaySession fresh(shortBank, f.random);
    EXPECT_FALSE(fresh.NewGame(2));
    EXPECT_FALSE(fresh.NewGame(7));
    EXPECT_FALSE(fresh.gameLoaded());
}

TEST(PlaySessionTest, PencilAndPaperPlacesReplacesAndErases) {
    SessionFixture f;
    PlaySession& s = f.s;
    const Cell open = f.CellsIn(kStateOpen).front();
    const Cell given = f.CellsIn(kStateGiven).front();
    const std::string givenText = f.TextOf(given);

    f.Place(open, 4);
    EXPECT_EQ(f.TextOf(open), "4");
    EXPECT_EQ(f.StateOf(open), kStatePlaced);
    EXPECT_EQ(s.board().Caption(open.row, open.col), "4");
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
    EXPECT_TRUE(s.stepButtons().Back && s.stepButtons().First && !s.stepButtons().Next);
    f.Place(open, 7);
    EXPECT_EQ(f.TextOf(open), "7");

    // Givens never change, with either button, and record nothing.
    s.CellClick(given.row, given.col, MouseButton::Left);
    s.CellClick(given.row, given.col, MouseButton::Right);
    EXPECT_EQ(f.TextOf(given), givenText);
    EXPECT_EQ(s.stepLog().Entries().size(), 3u);

    // The right button erases a placed digit.
    s.CellClick(open.row, open.col, MouseButton::Right);
    EXPECT_EQ(f.StateOf(open), kStateOpen);
    EXPECT_TRUE(f.TextOf(open).empty());
    EXPECT_FALSE(s.tileOpen());
    EXPECT_TRUE(f.l.asked.empty());
    EXPECT_TRUE(f.l.told.empty());
}

TEST(PlaySessionTest, AllCandidatesPlacesAndTakesDigitsBack) {
    SessionFixture f;
    PlaySession& s = f.s;
    EXPECT_TRUE(s.ChooseMode(OperationMode::AllCandidates));
    EXPECT_TRUE(s.AllowAllUp());
    EXPECT_TRUE(s.autoUpdateEnabled());
    const auto [a, b] = f.OpenPeers();
    const int d = f.Solution(a);
    const char dc = static_cast<char>('0' + d);
    EXPECT_EQ(f.TextOf(a), s.cells().PeerCandidates(a.row, a.col));
    EXPECT_TRUE(s.board().CandidateVisible(a.row, a.col, d));

    // Auto update on: the placed digit leaves every peer.
    s.CandidateClick(a.row, a.col, d, MouseButton::Left);
    EXPECT_EQ(f.TextOf(a), Digit(d));
    EXPECT_EQ(f.TextOf(b).find(dc), std::string::npos);
    // Either button on it gives it back to the cell and, at the end, the peers.
    s.CellClick(a.row, a.col, MouseButton::Right);
    EXPECT_EQ(f.StateOf(a), kStateOpen);
    EXPECT_EQ(f.TextOf(a), s.cells().PeerCandidates(a.row, a.col));
    EXPECT_EQ(f.TextOf(b).back(), dc);
    EXPECT_FALSE(s.tileOpen());

    // Auto update off: the peers keep their candidates.
    s.SetAutoUpdate(false);
    const std::string before = f.TextOf(b);
    s.CandidateClick(a.row, a.col, d, MouseButton::Left);
    EXPECT_EQ(f.TextOf(b), before);
    // The right button removes one candidate.
    const int first = f.TextOf(b)[0] - '0';
    s.CandidateClick(b.row, b.col, first, MouseButton::Right);
    EXPECT_EQ(f.TextOf(b).find(static_cast<char>('0' + first)), std::string::npos);
    EXPECT_FALSE(s.board().CandidateVisible(b.row, b.col, first));
}

TEST(PlaySessionTest, LeavingCandidatesAsksOnlyAfterEdits) {
    SessionFixture f;
    PlaySession& s = f.s;
    // Untouched candidates go without a question.
    s.ChooseMode(OperationMode::AllCandidates);
    EXPECT_TRUE(s.ChooseMode(OperationMode::PencilAndPaper));
    EXPECT_TRUE(f.l.asked.empty());
    for (Cell c : f.CellsIn(kStateOpen)) EXPECT_TRUE(f.TextOf(c).empty());
    EXPECT_FALSE(s.autoUpdateEnabled());
    EXPECT_FALSE(s.candidatesOn());

    // One candidate removed by hand: asked by key, and "No" keeps everything.
    s.ChooseMode(OperationMode::AllCandidates);
    const Cell edited = f.CellsIn(kStateOpen).front();
    s.CandidateClick(edited.row, edited.col, f.TextOf(edited).back() - '0', MouseButton::Right);
    const std::string line = WritePositionLine(s.cells());
    f.l.answer = false;
    f.l.changes = 0;
    EXPECT_FALSE(s.ChooseMode(OperationMode::PencilAndPaper));
    EXPECT_EQ(f.l.asked, std::vector<std::string>{"msg_title_information|msg_pencil_clear"});
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_TRUE(f.l.changes & kChangedMode); // the window shows the mode that stayed
    EXPECT_EQ(WritePositionLine(s.cells()), line);

    // "Yes" clears every open cell; the mode already on asks nothing.
    f.l.answer = true;
    EXPECT_TRUE(s.ChooseMode(OperationMode::PencilAndPaper));
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    for (Cell c : f.CellsIn(kStateOpen)) {
        EXPECT_TRUE(f.TextOf(c).empty());
        for (int d = 1; d <= 9; ++d) EXPECT_FALSE(s.board().CandidateVisible(c.row, c.col, d));
    }
    EXPECT_FALSE(s.ChooseMode(OperationMode::PencilAndPaper));
    EXPECT_EQ(f.l.asked.size(), 2u);
}

TEST(PlaySessionTest, PartCandidatesSelectsSeveralDigits) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.DigitKey(3);
    s.DigitRightClick(5); // nothing in the other modes
    EXPECT_EQ(s.DisplayDigits(), "123456789");

    s.ChooseMode(OperationMode::PartCandidates);
    EXPECT_EQ(s.SelectedDigit(), 3);
    EXPECT_FALSE(s.AllowAllUp());
    EXPECT_FALSE(s.SingleDigit());
    EXPECT_EQ(s.DisplayDigits(), "3");
    // Only cells holding 3 (or a single candidate) show their candidates.
    for (Cell c : f.CellsIn(kStateOpen)) {
        const bool holds = f.TextOf(c).find('3') != std::string::npos;
        EXPECT_EQ(s.board().CandidateVisible(c.row, c.col, f.TextOf(c)[0] - '0'),
                  holds || f.TextOf(c).size() == 1);
    }
    s.DigitRightClick(5);
    s.DigitRightClick(8);
    EXPECT_EQ(s.DisplayDigits(), "358");
    EXPECT_EQ(s.SelectedDigit(), 0);
    s.DigitRightClick(3);
    s.DigitRightClick(5);
    s.DigitRightClick(8); // the only digit down stays down
    EXPECT_EQ(s.DisplayDigits(), "8");
    s.SelectDigit(2);
    EXPECT_EQ(s.DisplayDigits(), "2");

    // Tab walks on from the first digit down, 8 to 9 and 9 to 1.
    s.ChooseMode(OperationMode::AllCandidates);
    EXPECT_TRUE(s.SingleDigit());
    s.DigitKey(8);
    s.NextDigit();
    EXPECT_EQ(s.SelectedDigit(), 9);
    s.NextDigit();
    EXPECT_EQ(s.SelectedDigit(), 1);
}

TEST(PlaySessionTest, ColourMarksSurviveMovesUntilCleared) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.ChooseMode(OperationMode::AllCandidates);
    const auto [a, b] = f.OpenPeers();
    const std::string line = WritePositionLine(s.cells());
    const TColor chosen = 0x00AA00;
    s.SetMarkColour(chosen);
    s.SetMarking(true);
    s.CellClick(a.row, a.col, MouseButton::Left);
    const int cand = f.TextOf(b)[0] - '0';
    s.CandidateClick(b.row, b.col, cand, MouseButton::Left);
    // Marking changes colours only: no digit, no step.
    EXPECT_EQ(WritePositionLine(s.cells()), line);
    EXPECT_EQ(s.stepLog().Entries().size(), 2u);
    EXPECT_EQ(s.board().CellColor(a.row, a.col), chosen);
    EXPECT_EQ(s.marks().entry(b.row, b.col, cand), chosen);

    // A move repaints the board and the marks come back.
    s.SetMarking(false);
    const Cell other = f.CellsIn(kStateOpen).back();
    s.CandidateClick(other.row, other.col, f.TextOf(other)[0] - '0', MouseButton::Right);
    EXPECT_EQ(s.board().CellColor(a.row, a.col), chosen);
    EXPECT_EQ(s.board().CandidateColor(b.row, b.col, cand), chosen);

    // The right button takes a mark off; "Clear Marking" wipes the rest.
    s.SetMarking(true);
    s.CandidateClick(b.row, b.col, cand, MouseButton::Right);
    EXPECT_EQ(s.marks().entry(b.row, b.col, cand), NoMark);
    s.ClearMarks();
    EXPECT_TRUE(s.marks().IsEmpty());
    EXPECT_EQ(s.board().CellColor(a.row, a.col), s.board().DefaultColor(a.row, a.col, 1));
}

TEST(PlaySessionTest, TileWritesEveryToggleAndTheNextClickOnlyClosesIt) {
    SessionFixture f;
    PlaySession& s = f.s;
    const Cell open = f.CellsIn(kStateOpen).front();
    s.CellClick(open.row, open.col, MouseButton::Right);
    EXPECT_TRUE(s.tileOpen());
    EXPECT_TRUE(f.l.tileShown);
    EXPECT_EQ(s.tileRow(), open.row);
    const size_t steps = s.stepLog().Entries().size();
    s.WriteTile("72");
    s.WriteTile("279");
    EXPECT_EQ(f.TextOf(open), "279");
    EXPECT_TRUE(s.board().CandidateVisible(open.row, open.col, 9));
    EXPECT_EQ(s.cells().cell(open.row, open.col).CandHidden, 0);
    EXPECT_EQ(s.stepLog().Entries().size(), steps + 2);

    const std::string line = WritePositionLine(s.cells());
    s.CellClick(open.row, open.col, MouseButton::Left);
    EXPECT_FALSE(s.tileOpen());
    EXPECT_FALSE(f.l.tileShown);
    EXPECT_EQ(WritePositionLine(s.cells()), line);

    // Nothing down leaves the cell open and empty; "Automatic" fills and closes.
    s.CellClick(open.row, open.col, MouseButton::Right);
    s.WriteTile("");
    EXPECT_EQ(f.StateOf(open), kStateOpen);
    EXPECT_TRUE(f.TextOf(open).empty());
    s.AutoFillTile();
    EXPECT_FALSE(s.tileOpen());
    EXPECT_EQ(f.TextOf(open), s.cells().PeerCandidates(open.row, open.col));
    // Coming back by a click on a cell keeps the mark for that click.
    s.CellClick(open.row, open.col, MouseButton::Right);
    s.CloseTile(true);
    EXPECT_TRUE(s.tileOpen());
    EXPECT_FALSE(f.l.tileShown);
}

TEST(PlaySessionTest, SteppingBackThenMovingTruncates) {
    SessionFixture f;
    PlaySession& s = f.s;
    const std::vector<Cell> open = f.CellsIn(kStateOpen);
    for (int i = 0; i < 5; ++i) f.Place(open[i], f.Solution(open[i]));
    const std::vector<std::string> entries = s.stepLog().Entries();
    ASSERT_EQ(entries.size(), 6u);

    for (int i = 0; i < 3; ++i) s.GoStep(StepMove::Back);
    EXPECT_EQ(s.stepLog().Cursor(), 2);
    EXPECT_EQ(WritePositionLine(s.cells()), entries[2]);
    EXPECT_TRUE(s.stepButtons().Next && s.stepButtons().Last);
    s.GoStep(StepMove::Next);
    EXPECT_EQ(s.stepLog().Entries(), entries); // showing a step records nothing
    s.GoStep(StepMove::First);
    EXPECT_FALSE(s.stepButtons().Back || s.stepButtons().First);
    s.GoStep(StepMove::Last);
    EXPECT_EQ(s.stepLog().Cursor(), 5);
    EXPECT_FALSE(s.stepButtons().Next);
    for (int i = 0; i < 3; ++i) s.GoStep(StepMove::Back);

    // A move now drops the later entries and becomes the last one.
    f.Place(open[6], f.Solution(open[6]));
    EXPECT_EQ(s.stepLog().Entries().size(), 4u);
    EXPECT_EQ(s.stepLog().Cursor(), 3);
    EXPECT_FALSE(s.stepButtons().Next || s.stepButtons().Last);
    EXPECT_TRUE(s.stepButtons().Back);

    // A shown position whose open cells all hold their candidates switches
    // the mode to "All Candidates" without a new step.
    s.ChooseMode(OperationMode::AllCandidates);
    s.CandidateClick(open[7].row, open[7].col, f.TextOf(open[7])[0] - '0', MouseButton::Right);
    s.ChooseMode(OperationMode::PencilAndPaper); // Yes
    const size_t kept = s.stepLog().Entries().size();
    s.GoStep(StepMove::Back);
    s.GoStep(StepMove::Back);
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(s.stepLog().Entries().size(), kept);
    // A damaged line changes nothing.
    const std::string now = WritePositionLine(s.cells());
    EXPECT_FALSE(s.LoadPosition("memostep"));
    EXPECT_EQ(WritePositionLine(s.cells()), now);
}

} // namespace
} // namespace velmar::test
