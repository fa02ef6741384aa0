// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/clipboard_text.h"
#include "exchange/fill_empty_cells.h"
#include "exchange_boards.h"
#include "history/position_line.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::BoardOf;
using test::kPuzzle;
using test::Set;

// The sample with a placed digit, an open cell with one candidate, and a
// placed cell whose digit play pruned away.
BoardCells PlayedBoard() {
    BoardCells board = BoardOf(kPuzzle);
    Set(board, 2, 1, kStatePlaced, "6");
    Set(board, 2, 2, kStateOpen, "7");
    Set(board, 2, 3, kStatePlaced, "");
    return board;
}

TEST(ClipboardTextTest, NoCandidateShowsOneCharacterPerFilledCell) {
    const auto lines = RenderNoCandidate(PlayedBoard(), ".");
    ASSERT_EQ(lines.size(), 13u);
    for (const std::string& line : lines) EXPECT_EQ(line.size(), 49u) << line;
    EXPECT_EQ(lines[0], "*-----------------------------------------------*");
    EXPECT_EQ(lines[1], "|    .    9    5|    .    .    3|    8    1    4|");
    // A placed digit like a given; one candidate or no digit: a blank.
    EXPECT_EQ(lines[2], "|    6    .    .|    .    .    .|    .    .    .|");
    EXPECT_EQ(lines[4], "|---------------+---------------+---------------|");
    EXPECT_EQ(lines[12], lines[0]);
}

TEST(ClipboardTextTest, BordersNeverLookLikeTheBlank) {
    const BoardCells board = BoardOf(kPuzzle);
    auto stars = RenderNoCandidate(board, "*");
    EXPECT_EQ(stars[0], std::string(49, '-'));
    EXPECT_EQ(stars[12], std::string(49, '-'));
    EXPECT_EQ(stars[8], "|---------------+---------------+---------------|");
    EXPECT_EQ(stars[1], "|    *    9    5|    *    *    3|    8    1    4|");

    auto bars = RenderNoCandidate(board, "|");
    EXPECT_EQ(bars[0], "*-----------------------------------------------*");
    EXPECT_EQ(bars[4], ":---------------+---------------+---------------:");
    for (int line : {1, 2, 3, 5, 6, 7, 9, 10, 11})
        for (std::size_t edge : {0u, 16u, 32u, 48u}) EXPECT_EQ(bars[line][edge], ':');

    EXPECT_EQ(RenderNoCandidate(board, "+")[4],
              "|---------------:---------------:---------------|");
    auto dashes = RenderNoCandidate(board, "-");
    EXPECT_EQ(dashes[0], "*~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~*");
    EXPECT_EQ(dashes[8], "|~~~~~~~~~~~~~~~+~~~~~~~~~~~~~~~+~~~~~~~~~~~~~~~|");
}

TEST(ClipboardTextTest, BlankSymbolIsOneCharacterOrDot) {
    EXPECT_EQ(BlankSymbol("*"), "*");
    EXPECT_EQ(BlankSymbol(" 0\t"), "0");
    EXPECT_EQ(BlankSymbol("**"), ".");
    EXPECT_EQ(BlankSymbol(" "), ".");
    EXPECT_EQ(BlankSymbol(""), ".");
    EXPECT_EQ(BlankSymbol("\xC3\xA9"), "\xC3\xA9"); // one typed 'é'
    // A two-byte blank still takes one column.
    const auto lines = RenderClipboardText(BoardOf(kPuzzle), ClipboardFormat::NoCandidate, "é");
    EXPECT_EQ(lines[1], "|    é    9    5|    é    é    3|    8    1    4|");
    // "With Candidates" ignores the box.
    EXPECT_EQ(RenderClipboardText(BoardOf(kPuzzle), ClipboardFormat::WithCandidates, "*"),
              RenderWithCandidates(BoardOf(kPuzzle)));
}

TEST(ClipboardTextTest, WideFormIsTheImportExampleLayout) {
    const auto lines = RenderWithCandidatesWide(BoardOf(kPuzzle));
    ASSERT_EQ(lines.size(), 13u);
    for (const std::string& line : lines) EXPECT_EQ(line.size(), 94u);
    EXPECT_EQ(lines[0], "*" + std::string(92, '-') + "*");
    EXPECT_EQ(lines[1], "|         .         9         5|         .         .         3|"
                        "         8         1         4|");
    EXPECT_EQ(lines[4], "|" + std::string(30, '-') + "+" + std::string(30, '-') + "+" +
                            std::string(30, '-') + "|");
}

TEST(ClipboardTextTest, NarrowingKeepsTwoBlanksBeforeTheLongestEntry) {
    BoardCells board = BoardOf("534678912672195348198342567859761423426853791"
                               "713924856961537284287419635345286179");
    auto lines = RenderWithCandidates(board);
    EXPECT_EQ(lines[0], "*" + std::string(29, '-') + "*");
    EXPECT_EQ(lines[1], "|  5  3  4|  6  7  8|  9  1  2|");
    EXPECT_EQ(lines[4], "|---------+---------+---------|");

    // Nine candidates in column 4 and three in column 9 keep those wider.
    Set(board, 5, 4, kStateOpen, "123456789");
    Set(board, 9, 9, kStateOpen, "941");
    lines = RenderWithCandidates(board);
    EXPECT_EQ(lines[1], "|  5  3  4|         6  7  8|  9  1    2|");
    EXPECT_EQ(lines[6], "|  4  2  6| 123456789  5  3|  7  9    1|");
    EXPECT_EQ(lines[11], "|  3  4  5|         2  8  6|  1  7  941|");
    EXPECT_EQ(lines[8], "|---------+----------------+-----------|");
    for (const std::string& line : lines) EXPECT_EQ(line.size(), lines[0].size());
}

TEST(ClipboardTextTest, BorderlessFormatsKeepOneCharacterPerCell) {
    const BoardCells board = PlayedBoard();
    const auto rows = RenderNineByNine(board, "0");
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], "095003814");
    EXPECT_EQ(rows[1], "600000000"); // placed digit shown, pruned one a blank
    EXPECT_EQ(rows[3], "000700000");
    const std::string line = RenderOneLine(board, ".");
    ASSERT_EQ(line.size(), 81u);
    EXPECT_EQ(line.substr(0, 18), ".95..38146........");
    EXPECT_EQ(RenderClipboardText(board, ClipboardFormat::OneLine, "."),
              std::vector<std::string>{line});
}

TEST(ClipboardTextTest, OpeningFillsEmptyCellsWithTheirCandidates) {
    BoardCells board = PlayedBoard();
    Set(board, 9, 8, kStateGiven, ""); // givens are never filled
    ASSERT_TRUE(FillEmptyCells(board));
    EXPECT_EQ(board.cell(1, 1).Text, "27");
    EXPECT_EQ(board.cell(2, 2).Text, "7"); // had text: kept
    EXPECT_EQ(board.cell(9, 8).Text, "");
    // The emptied placed cell is open now, so the board still has a
    // position line that reads back.
    EXPECT_EQ(board.cell(2, 3).State, kStateOpen);
    EXPECT_EQ(board.cell(2, 3).Text, "123478");
    BoardCells again;
    EXPECT_TRUE(ReadPositionLine(again, WritePositionLine(board)));
    const std::string row1 = RenderWithCandidates(board)[1];
    EXPECT_EQ(row1.substr(row1.find_first_not_of("| "), 3), "27 ");
    EXPECT_FALSE(FillEmptyCells(board));
}

} // namespace
} // namespace velmar
