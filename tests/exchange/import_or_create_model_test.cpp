// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/import_or_create_model.h"
#include "exchange/puzzle_text_import.h"
#include "model/tqj.h"

#include "boxed_grid.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace velmar {
namespace {

constexpr const char* kExample1 =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
constexpr const char* kExample1Solution =
    "586139427943275168172684953314527689825396714697841235768952341431768592259413876";
constexpr const char* kFull =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// "Play Puzzle" past its question: the check, then the data steps.
struct Played {
    PlayCheck check;
    std::optional<PlayMode> mode;
};

Played Play(const ImportOrCreateModel& model, TQJ& game, BoardCells& board) {
    Played played{model.CheckForPlay(), std::nullopt};
    played.mode = model.StartGame(played.check.report, game, board);
    return played;
}

TEST(ImportOrCreateModelTest, FreshAndFullGridsAreChecked) {
    BoardCells grid;
    ImportOrCreateModel model(grid); // the fresh grid
    EXPECT_EQ(model.CheckMessageKey(model.CheckPuzzle().result), "msg_frm_new_twosolve2");
    const PlayCheck several = model.CheckForPlay();
    EXPECT_EQ(several.gate, PlayGate::kAsk);
    EXPECT_EQ(several.messageKey, "msg_frm_new_twosolve");

    ASSERT_EQ(model.ImportText(kFull), kLayoutString);
    EXPECT_EQ(model.CheckMessageKey(model.CheckPuzzle().result), "msg_frm_new_onesolve");
    TQJ game;
    BoardCells board;
    ASSERT_TRUE(Play(model, game, board).mode);

    // A repeated digit: not solvable, and the game stays as it was.
    std::string clash = kFull;
    clash[1] = clash[0];
    model.ImportText(clash);
    EXPECT_TRUE(model.grid().at(0).ErrorMark && model.grid().at(1).ErrorMark);
    EXPECT_EQ(model.CheckMessageKey(model.CheckPuzzle().result), "msg_frm_new_nosolve2");
    const Played none = Play(model, game, board);
    EXPECT_EQ(none.check.gate, PlayGate::kRefuse);
    EXPECT_EQ(none.check.messageKey, "msg_frm_new_nosolve");
    EXPECT_FALSE(none.mode);
    EXPECT_EQ(game.GetSolutionString(), kFull);

    // Text of no layout leaves the grid as it was.
    EXPECT_EQ(model.ImportText("no puzzle"), kLayoutInvalid);
    EXPECT_EQ(model.grid().at(1).Text, clash.substr(1, 1));
    model.ClearGrid();
    EXPECT_FALSE(model.grid().HasErrorMark());
    EXPECT_EQ(model.grid().at(1).Text, "123456789");
}

TEST(ImportOrCreateModelTest, GivensOnlyPlayInPencilAndPaper) {
    // A puzzle and a full grid, each with its one solution.
    for (const auto& [puzzle, solution] :
         {std::pair{kExample1, kExample1Solution}, std::pair{kFull, kFull}}) {
        BoardCells grid;
        ImportOrCreateModel model(grid);
        model.ImportText(puzzle);
        TQJ game;
        BoardCells board;
        const Played played = Play(model, game, board);
        EXPECT_EQ(played.check.gate, PlayGate::kStart);
        EXPECT_EQ(played.mode, PlayMode::kPencilAndPaper);
        EXPECT_EQ(game.GetSolutionString(), solution);
        for (int i = 0; i < 81; ++i) {
            const bool given = puzzle[i] != '0';
            EXPECT_EQ(board.at(i).State, given ? kStateGiven : kStateOpen);
            EXPECT_EQ(board.at(i).Text, given ? std::string(1, puzzle[i]) : "");
            EXPECT_EQ(game.node(i / 9 + 1, i % 9 + 1).Fixed, given);
        }
    }
}

TEST(ImportOrCreateModelTest, CandidateGridPlaysInAllCandidates) {
    // Example 1 with its computed candidates, one list cut and one reordered
    // with a repeat, as a hand-edited grid would be.
    BoardCells grid;
    ImportOrCreateModel model(grid);
    model.ImportText(kExample1);
    std::array<std::string, 81> cells;
    for (int i = 0; i < 81; ++i) cells[i] = model.grid().at(i).Text;
    cells[0] = "7141"; // was "1457"
    ASSERT_EQ(model.ImportText(test::BoxedGrid(cells)), kLayoutCandidates);

    TQJ game;
    BoardCells board;
    const Played played = Play(model, game, board);
    EXPECT_EQ(played.check.gate, PlayGate::kStart);
    EXPECT_EQ(played.mode, PlayMode::kAllCandidates);
    EXPECT_EQ(board.at(0).Text, "714"); // each candidate once, order kept
    EXPECT_EQ(board.at(80).Text, cells[80]);
    EXPECT_EQ(board.at(1).State, kStateGiven);
}

TEST(ImportOrCreateModelTest, MouseEditsPruneRestoreAndMark) {
    BoardCells grid;
    ImportOrCreateModel model(grid);
    EXPECT_TRUE(model.PlaceCandidate(1, 1, '5'));
    EXPECT_EQ(model.grid().cell(3, 3).Text, "12346789");
    EXPECT_EQ(model.grid().cell(2, 4).Text, "123456789");
    EXPECT_FALSE(model.PlaceCandidate(1, 9, '5')); // not shown there
    EXPECT_FALSE(model.PlaceCandidate(1, 1, '5')); // not an open cell

    EXPECT_TRUE(model.RemoveCandidate(1, 9, '9'));
    EXPECT_EQ(model.grid().cell(1, 9).Text, "1234678");

    // Taking the digit back out: the cell opens with what its peers leave,
    // its open peers regain the 5 at the end of their lists.
    model.ReopenCell(1, 1);
    EXPECT_EQ(model.grid().cell(1, 1).Text, "123456789");
    EXPECT_EQ(model.grid().cell(1, 9).Text, "12346785");
}

TEST(ImportOrCreateModelTest, LoadPuzzleTakesOverTheMainBoard) {
    BoardCells grid;
    ImportOrCreateModel model(grid);
    std::string clash = kFull;
    clash[1] = clash[0];
    model.ImportText(clash); // leaves marks on cells 1 and 2
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        board.at(i).State = kStateOpen;
        board.at(i).Text = "1234";
    }
    board.at(0) = {1, 1, "5", kStateGiven, false, 0};
    board.at(10) = {2, 2, "7", kStatePlaced, false, 0};
    board.at(20) = {3, 3, "9", kStateOpen, false, 0}; // a single candidate left
    model.LoadPuzzle(board);
    EXPECT_FALSE(model.grid().HasErrorMark());
    for (int i : {0, 10, 20}) {
        EXPECT_EQ(model.grid().at(i).State, kStatePlaced);
        EXPECT_EQ(model.grid().at(i).Text, board.at(i).Text);
    }
    EXPECT_EQ(model.grid().cell(1, 2).Text, "123468"); // no 5, 7, 9
    EXPECT_EQ(model.grid().cell(9, 9).Text, "123456789");
}

TEST(ImportOrCreateModelTest, PlacedCellEmptiedByAPeerIsNoGiven) {
    // A candidate grid may list a digit beside an equal given; placing it
    // takes the digit out of that given, which must not become a given
    // without a digit on the main board.
    BoardCells grid;
    ImportOrCreateModel model(grid);
    std::array<std::string, 81> cells;
    cells.fill("123456789");
    cells[0] = "18";
    cells[1] = "8";
    ASSERT_EQ(model.ImportText(test::BoxedGrid(cells)), kLayoutCandidates);
    ASSERT_TRUE(model.PlaceCandidate(1, 1, '8'));
    EXPECT_EQ(model.grid().cell(1, 2).Text, "");
    TQJ game;
    BoardCells board;
    const Played played = Play(model, game, board);
    EXPECT_EQ(played.check.gate, PlayGate::kAsk);
    ASSERT_TRUE(played.mode);
    EXPECT_EQ(board.cell(1, 2).State, kStateOpen);
    EXPECT_FALSE(game.node(1, 2).Fixed);
}

} // namespace
} // namespace velmar
