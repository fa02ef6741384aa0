// SPDX-License-Identifier: GPL-3.0-or-later
// The game in play through its files: the last game and replays with their
// whole log, saved games with their position and the mode it calls for.
#include "session_fixture.h"

#include "history/game_file.h"
#include "history/position_line.h"
#include "storage/saved_games.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

GameFile ReadBack(const PlaySession& s) {
    return ReadGameFile(WriteGameFile(s.CurrentGameFile())).File.value_or(GameFile{});
}

TEST(SessionFilesTest, LastGameKeepsEveryStepAndResumesAtTheLast) {
    SessionFixture f;
    ASSERT_TRUE(f.s.NewGame(3));
    const auto open = f.CellsIn(kStateOpen);
    f.l.changes = 0;
    f.Place(open[0], f.Solution(open[0]));
    EXPECT_TRUE(f.l.changes & kChangedLog);
    f.Place(open[1], f.Solution(open[1]));
    f.l.changes = 0;
    f.s.GoStep(StepMove::Back); // stepping changes nothing a file keeps
    EXPECT_FALSE(f.l.changes & kChangedLog);
    f.s.GoStep(StepMove::Last);

    const std::vector<std::string> lines = SplitTextLines(WriteGameFile(f.s.CurrentGameFile()));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "3 " + f.s.model().GetGivensString());
    EXPECT_EQ(lines[1].size(), 81u);
    const GameFile file = ReadBack(f.s);

    PlaySession s(TestBank(), f.random);
    RecordingListener l;
    s.SetListener(&l);
    EXPECT_FALSE(s.HasGameToSave());
    s.LoadGameFile(file, GameFileUse::ContinueLastGame);
    EXPECT_EQ(s.stepLog().Entries(), file.Steps);
    EXPECT_EQ(s.stepLog().Cursor(), 2);
    EXPECT_EQ(WritePositionLine(s.cells()), file.Steps[2]);
    EXPECT_EQ(s.model().GetSolutionString(), file.Solution);
    EXPECT_EQ(s.level(), 3);
    EXPECT_TRUE(l.clockRunning);
    EXPECT_EQ(s.stepButtons(), (StepButtons{true, true, false, false}));
    s.GoStep(StepMove::First);
    EXPECT_EQ(WritePositionLine(s.cells()), file.Steps[0]);
}

TEST(SessionFilesTest, UnknownSolutionAndOnlyCandidateEditsStillContinue) {
    SessionFixture f;
    const std::string givens = f.s.model().GetGivensString();
    ASSERT_TRUE(f.s.StartPuzzle(givens, "", 5));
    f.s.ChooseMode(OperationMode::AllCandidates);
    for (const Cell c : {f.CellsIn(kStateOpen)[0], f.CellsIn(kStateOpen)[1]})
        f.s.CandidateClick(c.row, c.col, f.TextOf(c)[0] - '0', MouseButton::Right);
    const GameFile file = ReadBack(f.s);
    EXPECT_EQ(SplitTextLines(WriteGameFile(file))[1], "");
    ASSERT_GE(file.Steps.size(), 3u);

    PlaySession s(TestBank(), f.random);
    s.LoadGameFile(file, GameFileUse::LoadReplay);
    EXPECT_EQ(s.stepLog().Entries(), file.Steps);
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(s.model().GetGivensString(), givens);
    EXPECT_FALSE(s.clockRunning());
}

TEST(SessionFilesTest, SavedGameOpensWithANewLogAndTheModeItsCandidatesCallFor) {
    SessionFixture f;
    const auto open = f.CellsIn(kStateOpen);
    f.Place(open[0], f.Solution(open[0]));
    f.s.ChooseMode(OperationMode::AllCandidates);
    f.s.CandidateClick(open[1].row, open[1].col, f.TextOf(open[1]).back() - '0',
                       MouseButton::Right);
    const std::string edited = WritePositionLine(f.s.cells());
    GamesFile games;
    ASSERT_TRUE(games.Append(f.s.CurrentSavedGame("edited", 2)));
    // Back on paper with one cell's pencil marks: the marks go.
    f.s.ChooseMode(OperationMode::PencilAndPaper);
    f.s.CellClick(open[2].row, open[2].col, MouseButton::Right);
    f.s.WriteTile("12");
    ASSERT_TRUE(games.Append(f.s.CurrentSavedGame("paper", 4)));

    PlaySession s(TestBank(), f.random);
    s.OpenSavedGame(*games.Open("edited"));
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(WritePositionLine(s.cells()), edited);
    EXPECT_EQ(s.level(), 2);
    EXPECT_EQ(s.stepLog().Entries(), std::vector<std::string>{edited});
    EXPECT_EQ(s.stepButtons(), StepButtons{});
    EXPECT_TRUE(s.clockRunning());

    s.OpenSavedGame(*games.Open("paper"));
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    EXPECT_EQ(s.cells().cell(open[2].row, open[2].col).Text, "");
    EXPECT_EQ(s.cells().cell(open[0].row, open[0].col).State, kStatePlaced);
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
}

} // namespace
} // namespace velmar::test
