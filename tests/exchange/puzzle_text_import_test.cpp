// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/puzzle_text_import.h"
#include "exchange/utf8_decode.h"

#include "boxed_grid.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::BoxedGrid;
using test::CellsOf;

constexpr const char* kExample1 =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

std::string Dotted(std::string line) {
    for (char& ch : line)
        if (ch < '1' || ch > '9') ch = '.';
    return line;
}

TEST(PuzzleTextImportTest, EightyOneCharactersOnceTrimmed) {
    const PuzzleTextImport out = ImportPuzzleText(std::string(" \t\r\n") + kExample1 + "\r\n\n  ");
    ASSERT_EQ(out.layout, kLayoutString);
    EXPECT_EQ(ImportedPuzzleLine(out.grid), Dotted(kExample1));
    // Each blank gets the digits no given peer holds: row 1, column 1, box 1.
    EXPECT_EQ(out.grid.at(0).Text, "1457");
    EXPECT_EQ(out.grid.at(79).Text, "2478");

    // Characters, not bytes: the full-width '？' is one cell, and so is a
    // line break inside the string.
    std::string text = kExample1;
    text.replace(40, 1, "\n");
    text.replace(0, 1, "\xEF\xBC\x9F");
    const PuzzleTextImport wide = ImportPuzzleText(text);
    ASSERT_EQ(wide.layout, kLayoutString);
    EXPECT_EQ(ImportedPuzzleLine(wide.grid), Dotted(kExample1));
}

TEST(PuzzleTextImportTest, EightyOneVisibleCharacters) {
    std::string spaced;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) spaced += std::string(1, Dotted(kExample1)[r * 9 + c]) + "  ";
        spaced += "\r\n";
    }
    const PuzzleTextImport out = ImportPuzzleText(spaced);
    EXPECT_EQ(out.layout, kLayoutVisible);
    EXPECT_EQ(ImportedPuzzleLine(out.grid), Dotted(kExample1));

    const std::string example2 = "*8******7\n****96***\n**2**3***\n*******9*\n**9***56*\n"
                                 "***1****4\n4********\n****5**3*\n71*8*****";
    EXPECT_EQ(ImportPuzzleText(example2).layout, kLayoutVisible);
}

TEST(PuzzleTextImportTest, BoxedGridWithDotBlanks) {
    const std::string puzzle = ".95..3814"
                               "..1.2...."
                               "3...8..2."
                               ".4.9...6."
                               "..7...5.."
                               ".8...6.3."
                               ".3..7...2"
                               "....1.6.."
                               "2569..71.";
    const std::string boxed = BoxedGrid(CellsOf(puzzle));
    EXPECT_EQ(boxed.substr(0, boxed.find('\n')), "*" + std::string(92, '-') + "*");
    const PuzzleTextImport out = ImportPuzzleText(boxed);
    ASSERT_EQ(out.layout, kLayoutDecorated);
    EXPECT_EQ(ImportedPuzzleLine(out.grid), puzzle);

    // The full-width '？' as the blank symbol, counted as one character.
    std::string wide;
    for (char ch : boxed) wide += ch == '.' ? std::string("\xEF\xBC\x9F") : std::string(1, ch);
    EXPECT_EQ(ImportPuzzleText(wide).layout, kLayoutDecorated);
    EXPECT_EQ(ImportedPuzzleLine(ImportPuzzleText(wide).grid), puzzle);
}

TEST(PuzzleTextImportTest, DecoratedGridsThatDoNotCount) {
    const std::string puzzle = Dotted(kExample1);
    std::string dashes = BoxedGrid(CellsOf(puzzle));
    for (char& ch : dashes)
        if (ch == '.') ch = '-';
    EXPECT_EQ(ImportPuzzleText(dashes).layout, kLayoutInvalid);
    // '0' is decoration, not a blank symbol.
    EXPECT_EQ(ImportPuzzleText(BoxedGrid(CellsOf(kExample1))).layout, kLayoutInvalid);
    EXPECT_EQ(ImportPuzzleText("").layout, kLayoutInvalid);
}

TEST(PuzzleTextImportTest, DecoratedGridOfDigitsOnlyAndLeadingDigit) {
    const std::string full =
        "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    const PuzzleTextImport boxed = ImportPuzzleText(BoxedGrid(CellsOf(full)));
    ASSERT_EQ(boxed.layout, kLayoutDecorated); // no blank: '.' occurs 0 times
    EXPECT_EQ(ImportedPuzzleLine(boxed.grid), full);

    // The first character a digit: loaded once, in cell 1; '|' and letters
    // dropped, '?' the blank.
    std::string text;
    for (int i = 0; i < 81; ++i)
        text += (kExample1[i] == '0' ? std::string("?") : std::string(1, kExample1[i])) +
                (i % 3 == 2 ? "|" : "");
    text += "ab";
    const PuzzleTextImport lead = ImportPuzzleText("5" + text.substr(1));
    ASSERT_EQ(lead.layout, kLayoutDecorated);
    EXPECT_EQ(ImportedPuzzleLine(lead.grid), "5" + Dotted(kExample1).substr(1));
}

TEST(PuzzleTextImportTest, CandidateGridKeepsItsLists) {
    std::array<std::string, 81> cells;
    for (int i = 0; i < 81; ++i)
        cells[i] = i % 2 ? "97" : std::string(1, static_cast<char>('1' + i % 9));
    cells[4] = "3113"; // written as it stands
    const PuzzleTextImport out = ImportPuzzleText(BoxedGrid(cells));
    ASSERT_EQ(out.layout, kLayoutCandidates);
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(out.grid.at(i).Text, cells[i]) << i;
        EXPECT_EQ(out.grid.at(i).State, cells[i].size() == 1 ? kStatePlaced : kStateOpen) << i;
    }

    // Fewer than 81 groups: the last one goes to cell 81, the cells between
    // stay empty; groups after the 81st are dropped.
    const PuzzleTextImport few =
        ImportPuzzleText(std::string(40, '1') + " 23 0 456789 4\n" + std::string(40, '9'));
    ASSERT_EQ(few.layout, kLayoutCandidates);
    EXPECT_EQ(few.grid.at(0).Text, std::string(40, '1'));
    EXPECT_EQ(few.grid.at(1).Text, "23");
    EXPECT_EQ(few.grid.at(3).State, kStatePlaced);
    EXPECT_EQ(few.grid.at(4).Text, "");
    EXPECT_EQ(few.grid.at(79).State, kStateOpen);
    EXPECT_EQ(few.grid.at(80).Text, std::string(40, '9'));
    std::string many;
    for (int i = 0; i < 90; ++i) many += std::to_string(i % 9 + 1) + "5 ";
    const PuzzleTextImport cut = ImportPuzzleText(many);
    ASSERT_EQ(cut.layout, kLayoutCandidates);
    EXPECT_EQ(cut.grid.at(80).Text, "95");
}

TEST(PuzzleTextImportTest, MalformedUtf8IsReadSafely) {
    // An overlong form, a surrogate, a stray continuation and a truncated
    // sequence each become replacement characters; good characters survive.
    EXPECT_EQ(DecodeUtf8("a\xC0\x80"
                         "b"),
              U"a\uFFFD\uFFFDb");
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\x80\xE2\x82"), U"\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80\xEF\xBC\x9F"), U"\U0001F600\uFF1F");
    // A truncated sequence is one blank of an 81-character string.
    const PuzzleTextImport out =
        ImportPuzzleText(std::string(kExample1).substr(0, 80) + "\xE2\x82");
    EXPECT_EQ(out.layout, kLayoutString);
}

} // namespace
} // namespace velmar
