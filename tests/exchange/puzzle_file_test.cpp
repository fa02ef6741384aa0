// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/import_examples.h"
#include "exchange/puzzle_file.h"
#include "exchange/puzzle_text_import.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

const std::string kLine =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";

TEST(PuzzleFileTest, OnePuzzleInEachLayoutIsOnePuzzle) {
    for (int n = 1; n <= kImportExamples; ++n) {
        const std::string text = ImportExampleText(n).text;
        if (text.empty()) continue;
        SCOPED_TRACE(n);
        const PuzzleFile file = ReadPuzzleFile(text);
        EXPECT_EQ(file.count, 1u);
        EXPECT_EQ(ImportPuzzleText(file.first).layout, n);
    }
}

TEST(PuzzleFileTest, SeveralPuzzlesByLineOrBlockOpenTheFirst) {
    std::string lines = "\xEF\xBB\xBF" + kLine + "\r\n\r\n";
    std::string second = kLine;
    second[0] = '5';
    lines += second + "\r\n" + kLine + "\r\n";
    const PuzzleFile byLine = ReadPuzzleFile(lines);
    EXPECT_EQ(byLine.count, 3u);
    EXPECT_EQ(byLine.first, kLine);

    const std::string grid = ImportExampleText(3).text;
    const PuzzleFile byBlock = ReadPuzzleFile(grid + "\n\n" + grid + "\n" + "\n\n" + grid);
    EXPECT_EQ(byBlock.count, 3u);
    EXPECT_EQ(ImportedPuzzleLine(ImportPuzzleText(byBlock.first).grid),
              ImportedPuzzleLine(ImportPuzzleText(grid).grid));
}

TEST(PuzzleFileTest, CommentLinesAreSkippedOnlyWhenNeeded) {
    std::string sdk = "#Aauthor name\r\n#D a description\r\n";
    for (int row = 0; row < 9; ++row) sdk += kLine.substr(row * 9, 9) + "\r\n";
    const PuzzleFile file = ReadPuzzleFile(sdk);
    ASSERT_EQ(file.count, 1u);
    EXPECT_EQ(ImportedPuzzleLine(ImportPuzzleText(file.first).grid), kLine);

    // '#' as the blank of a plain line is no comment.
    std::string hashes = kLine;
    for (char& c : hashes) c = c == '.' ? '#' : c;
    EXPECT_EQ(ReadPuzzleFile(hashes).count, 1u);
}

TEST(PuzzleFileTest, TextThatIsNoPuzzleHoldsNone) {
    EXPECT_EQ(ReadPuzzleFile("").count, 0u);
    EXPECT_EQ(ReadPuzzleFile("hello\nworld\n").count, 0u);
}

} // namespace
} // namespace velmar
