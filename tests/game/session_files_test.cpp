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
    const GameFileRead read = ReadGameFile(WriteGameFile(s.CurrentGameFile()));
    EXPECT_TRUE(read.File) << read.Error.Describe();
    return read.File.value_or(GameFile{});
}

TEST(SessionFilesTest, LastGameKeepsEveryStepAndResumesAtTheLast) {
    SessionFixture f;
    ASSERT_TRUE(f.s.NewGame(3));
    const auto open = f.CellsIn(kStateOpen);
    f.l.changes = 0;
    f.Place(open[0], f.Solution(open[0]));
    EXPECT_TRUE(f.l.changes & kChangedLog);
    f.Place(open[1], f.Solution(open[1]));
    // Stepping through the log changes nothing a file keeps.
    f.s.GoStep(StepMove::Back);
    f.s.GoStep(StepMove::Last);
    f.l.changes = 0;
    f.s.GoStep(StepMove::Back);
    EXPECT_FALSE(f.l.changes & kChangedLog);
    f.s.GoStep(StepMove::Last);

    const std::vector<std::string> lines = SplitTextLines(WriteGameFile(f.s.CurrentGameFile()));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "3 " + f.s.model().GetGivensString());
    EXPECT_EQ(lines[1], f.s.model().GetSolutionString());
    EXPECT_EQ(lines[1].size(), 81u);
    const GameFile file = ReadBack(f.s);

    PlaySession s(TestBank(), f.random);
    RecordingListener l;
    s.SetListener(&l);
    EXPECT_FALSE(s.HasGameToSave());
    s.LoadGameFile(file, GameFileUse::ContinueLastGame);
    EXPECT_TRUE(s.gameLoaded());
    EXPECT_EQ(s.stepLog().Entries(), file.Steps);
    EXPECT_EQ(s.stepLog().Cursor(), 2);
    EXPECT_EQ(WritePositionLine(s.cells()), file.Steps[2]);
    EXPECT_EQ(s.model().GetSolutionString(), file.Solution);
    EXPECT_EQ(s.level(), 3);
    EXPECT_TRUE(l.clockRunning);
    EXPECT_EQ(s.stepButtons(), (StepButtons{true, true, false, false}));
    s.GoStep(StepMove::First);
    EXPECT_EQ(WritePositionLine(s.cells()), file.Steps[0]);
    s.GoStep(StepMove::Last);
    EXPECT_EQ(WritePositionLine(s.cells()), file.Steps[2]);
    EXPECT_EQ(s.stepLog().Entries().size(), 3u);

    // A replay: the same game with the clock stopped at zero.
    f.s.LoadGameFile(file, GameFileUse::LoadReplay);
    EXPECT_FALSE(f.l.clockRunning);
    EXPECT_EQ(f.s.stepLog().Entries(), file.Steps);
    EXPECT_TRUE(f.s.stepButtons().Back && f.s.stepButtons().First);
}

TEST(SessionFilesTest, UnknownSolutionAndOnlyCandidateEditsStillContinue) {
    SessionFixture f;
    const std::string givens = f.s.model().GetGivensString();
    ASSERT_TRUE(f.s.StartPuzzle(givens, "", 5));
    f.s.ChooseMode(OperationMode::AllCandidates);
    const Cell a = f.CellsIn(kStateOpen)[0];
    const Cell b = f.CellsIn(kStateOpen)[1];
    f.s.CandidateClick(a.row, a.col, f.TextOf(a)[0] - '0', MouseButton::Right);
    f.s.CandidateClick(b.row, b.col, f.TextOf(b)[0] - '0', MouseButton::Right);
    const GameFile file = ReadBack(f.s);
    EXPECT_TRUE(file.Solution.empty());
    EXPECT_EQ(SplitTextLines(WriteGameFile(file))[1], "");
    ASSERT_GE(file.Steps.size(), 3u);

    PlaySession s(TestBank(), f.random);
    s.LoadGameFile(file, GameFileUse::ContinueLastGame);
    EXPECT_EQ(s.stepLog().Entries(), file.Steps);
    EXPECT_EQ(WritePositionLine(s.cells()), file.Steps.back());
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(s.model().GetGivensString(), givens);
    EXPECT_EQ(s.level(), 5);
}

TEST(SessionFilesTest, SavedGameOpensWithANewLogAndTheModeItsCandidatesCallFor) {
    SessionFixture f;
    const auto open = f.CellsIn(kStateOpen);
    const Cell placed = open[0];
    f.Place(placed, f.Solution(placed));
    f.s.ChooseMode(OperationMode::AllCandidates);
    const Cell edited = open[1];
    const std::string before = f.TextOf(edited);
    f.s.CandidateClick(edited.row, edited.col, before.back() - '0', MouseButton::Right);
    const std::string kept = f.TextOf(edited);
    GamesFile games;
    ASSERT_TRUE(games.Append(f.s.CurrentSavedGame("edited", 2)));

    // Every open cell edited or exact: the candidates stay.
    PlaySession s(TestBank(), f.random);
    RecordingListener l;
    s.SetListener(&l);
    s.OpenSavedGame(*games.Open("edited"));
    EXPECT_EQ(s.mode(), OperationMode::AllCandidates);
    EXPECT_EQ(s.cells().cell(edited.row, edited.col).Text, kept);
    EXPECT_EQ(s.cells().cell(placed.row, placed.col).State, kStatePlaced);
    EXPECT_EQ(s.level(), 2);
    EXPECT_EQ(s.model().GetSolutionString(), f.s.model().GetSolutionString());
    EXPECT_EQ(s.stepLog().Entries(), std::vector<std::string>{WritePositionLine(s.cells())});
    EXPECT_EQ(s.stepButtons(), StepButtons{});
    EXPECT_TRUE(l.clockRunning);

    // Candidates the program can compute again go, the placed digit stays.
    f.s.ChooseMode(OperationMode::PencilAndPaper);               // asks, and the fixture says Yes
    f.s.CellClick(open[2].row, open[2].col, MouseButton::Right); // the tile opens
    f.s.WriteTile("12");
    ASSERT_TRUE(games.Append(f.s.CurrentSavedGame("paper", 4)));
    s.ChooseMode(OperationMode::AllCandidates);
    s.OpenSavedGame(*games.Open("paper"));
    EXPECT_EQ(s.mode(), OperationMode::PencilAndPaper);
    for (int i = 0; i < 81; ++i) {
        if (s.cells().at(i).State == kStateOpen) {
            EXPECT_EQ(s.cells().at(i).Text, "");
        }
    }
    EXPECT_EQ(s.cells().cell(placed.row, placed.col).State, kStatePlaced);
    EXPECT_EQ(s.stepLog().Entries().size(), 1u);
}

} // namespace
} // namespace velmar::test
