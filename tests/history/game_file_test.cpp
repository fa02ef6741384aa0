// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/game_file.h"

#include <gtest/gtest.h>

#include "board/board_cells.h"
#include "history/position_line.h"
#include "history/step_log.h"
#include "model/tqj.h"

namespace velmar {
namespace {

const std::string kGivens =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The start of a game: the givens on the board, every other cell open.
BoardCells StartBoard() {
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const bool given = kGivens[i] != '0';
        board.at(i).State = given ? kStateGiven : kStateOpen;
        board.at(i).Text = given ? std::string(1, kGivens[i]) : "";
    }
    return board;
}

// A game of two moves: the log, its board and its model.
struct Played {
    BoardCells board = StartBoard();
    TQJ model;
    StepLog log;
};
Played PlayTwoMoves(const std::string& solution) {
    Played game;
    game.model.LoadGivens(kGivens);
    game.model.LoadSolutionString(solution);
    game.log.StartLog(game.board);
    game.board.cell(1, 3) = {1, 3, "4", kStatePlaced, false, 0};
    game.log.RecordStep(game.board);
    game.board.cell(1, 4).Text = "68";
    game.log.RecordStep(game.board);
    return game;
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const auto end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST(GameFileTest, TwoMovesOfALevelThreeGameMakeFiveLines) {
    const Played game = PlayTwoMoves(kSolution);
    const GameFile file = GameFileOf(3, game.board, game.model, game.log);
    const std::string text = WriteGameFile(file);
    const std::vector<std::string> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "3 " + kGivens);
    EXPECT_EQ(lines[1], kSolution);
    EXPECT_EQ(lines[2], WritePositionLine(StartBoard()));
    EXPECT_EQ(lines[4], WritePositionLine(game.board));

    const GameFileRead read = ReadGameFile(text);
    ASSERT_TRUE(read.File) << read.Error.Describe();
    EXPECT_EQ(*read.File, file);
    // Loaded into a log: the first step is the start, the last the exit.
    StepLog log;
    log.LoadEntries(read.File->Steps);
    EXPECT_EQ(log.Cursor(), 2);
    EXPECT_EQ(log.GoFirst(), lines[2]);
    EXPECT_EQ(log.GoLast(), lines[4]);
}

TEST(GameFileTest, UnknownSolutionWritesAnEmptyLineAndStillReads) {
    const Played game = PlayTwoMoves("");
    const std::string text = WriteGameFile(GameFileOf(5, game.board, game.model, game.log));
    EXPECT_EQ(CrLfLines(text)[1], "");
    const GameFileRead read = ReadGameFile(text);
    ASSERT_TRUE(read.File) << read.Error.Describe();
    EXPECT_EQ(read.File->Solution, "");
    EXPECT_EQ(read.File->Givens, kGivens);
    EXPECT_EQ(read.File->Steps, game.log.Entries());
    TQJ model;
    LoadGameFileModel(*read.File, model);
    EXPECT_EQ(model.GetGivensString(), kGivens);
    EXPECT_TRUE(model.node(1, 1).Fixed);
    EXPECT_EQ(model.GetSolutionString(), "");
}

TEST(GameFileTest, NoGameStartedKeepsThePreviousLastGame) {
    StepLog log;
    EXPECT_FALSE(HasGameToSave(log));
    log.RecordStep(WritePositionLine(StartBoard())); // a recount before any game
    EXPECT_FALSE(HasGameToSave(log));
    log.StartLog(StartBoard());
    EXPECT_TRUE(HasGameToSave(log));
}

TEST(GameFileTest, ByteOrderMarkBareLineEndsAndTrailingBlankLinesRead) {
    const std::string step = WritePositionLine(StartBoard());
    const GameFileRead read =
        ReadGameFile("\xEF\xBB\xBF"
                     "2 " +
                     kGivens + "\n" + kSolution + " \n" + step + "\n" + step + "\r\n\r\n\n");
    ASSERT_TRUE(read.File) << read.Error.Describe();
    EXPECT_EQ(read.File->Level, 2);
    EXPECT_EQ(read.File->Solution, kSolution);
    EXPECT_EQ(read.File->Steps.size(), 2u);
}

TEST(GameFileTest, DamagedFilesNameTheirLine) {
    const std::string step = WritePositionLine(StartBoard());
    const std::string head = "3 " + kGivens + "\r\n" + kSolution + "\r\n";
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {"", 0},
        {"7 " + kGivens + "\r\n\r\n" + step, 1},           // no such level
        {"3" + kGivens + "\r\n\r\n" + step, 1},            // no blank
        {"3 " + kGivens.substr(1) + "\r\n\r\n" + step, 1}, // 80 givens
        {"3 " + kGivens + "\r\n" + kSolution.substr(1) + "\r\n" + step, 2},
        {"3 " + kGivens + "\r\n" + kGivens + "\r\n" + step, 2}, // zeros in the solution
        {"3 " + kGivens + "\r\n", 2},                           // ends before the steps
        {"0 \r\n\r\nmemostep\r\n", 1},                          // a run without a game
        {head + "memostep\r\n", 3},
        {head + step + "\r\n" + step + "\r\n\r\n" + step + "\r\n", 5}, // a gap inside
        {head + step + "\r\n" + step.substr(0, step.size() - 3) + "\r\n", 4},
    };
    for (const auto& c : cases) {
        const GameFileRead read = ReadGameFile(c.text);
        EXPECT_FALSE(read.File) << c.text;
        EXPECT_EQ(read.Error.Line, c.line) << c.text << '\n' << read.Error.Describe();
        EXPECT_FALSE(read.Error.Message.empty());
    }
}

} // namespace
} // namespace velmar
