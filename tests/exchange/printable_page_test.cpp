// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/printable_page.h"
#include "exchange_boards.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmar {
namespace {

using test::BoardOf;
using test::kPuzzle;
using test::Set;

constexpr std::string_view kTitle = "<font size=5>Sudoku</font><br>";
constexpr std::string_view kCredit = "<font size=2>Printed with Sudoku Velmar</font>";

std::string Html(const std::vector<std::string>& page) {
    std::string all;
    for (const std::string& line : page) all += line + "\n";
    return all;
}

BoardCells PlayedBoard() {
    BoardCells board = BoardOf(kPuzzle);
    Set(board, 2, 1, kStatePlaced, "1"); // wrong next to the given 1: printed as it is
    Set(board, 5, 5, kStateOpen, "941");
    return board;
}

TEST(PrintablePageTest, NormalStyleLeavesOpenCellsEmptyAndPlacedDigitsBlue) {
    const auto page =
        BuildPrintablePage(PlayedBoard(), PrintStyle::Normal, PaperSize::Small, kTitle, kCredit);
    EXPECT_EQ(page[0].rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"", 0),
              0u);
    EXPECT_EQ(page[9], "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf8\">"
                       "</head><body bgcolor=\"white\">");
    EXPECT_EQ(page[12], kTitle);
    EXPECT_EQ(page[13], kCredit);
    const std::string html = Html(page);
    const std::string cell = "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: "
                             "verdana; font-size: ";
    EXPECT_NE(html.find(cell + "22pt; color: black; width: 60px; height: 60px; text-align: "
                               "center;\">9</td>\n"),
              std::string::npos);
    EXPECT_NE(html.find(cell + "22pt; color: blue; width: 60px; height: 60px; text-align: "
                               "center;\">1</td>\n"),
              std::string::npos);
    EXPECT_NE(html.find(cell + "7pt; color: black; width: 60px; height: 60px; text-align: left; "
                               "vertical-align: top;\"> &nbsp;</td>\n"),
              std::string::npos);
    EXPECT_EQ(html.find("941"), std::string::npos);
    // Every cell got its HTML, in its box table.
    EXPECT_TRUE(std::none_of(page.begin(), page.end(),
                             [](const std::string& line) { return line.rfind("node", 0) == 0; }));
    const auto cells = std::count_if(page.begin(), page.end(), [&](const std::string& line) {
        return line.rfind(cell, 0) == 0;
    });
    EXPECT_EQ(cells, 81);
    EXPECT_NE(html.find("<table id=\"C3\""), std::string::npos);
}

TEST(PrintablePageTest, CandidateStylePrintsOpenCellsAsHeldAtTheChosenSize) {
    const auto page = BuildPrintablePage(PlayedBoard(), PrintStyle::WithCandidates, PaperSize::Big,
                                         kTitle, kCredit);
    const std::string html = Html(page);
    EXPECT_NE(html.find("font-size: 20pt; color: black; width: 115px; height: 115px; text-align: "
                        "left; vertical-align: top;\">941 &nbsp;</td>"),
              std::string::npos);
    EXPECT_NE(html.find("font-size: 70pt"), std::string::npos);
    EXPECT_NE(html.find("<td height=\"115\" valign=\"middle\""), std::string::npos);
    // The size table's middle row.
    const PrintMetrics normal = PrintMetricsFor(PaperSize::Normal);
    EXPECT_EQ(normal.cellPx, 100);
    EXPECT_EQ(normal.digitPt, 50);
    EXPECT_EQ(normal.candidatePt, 15);
}

TEST(PrintablePageTest, PageTextEndsEveryLineWithCrLf) {
    const std::string text =
        PrintablePageText(PlayedBoard(), PrintStyle::Normal, PaperSize::Normal, kTitle, kCredit);
    const auto lines = std::count(text.begin(), text.end(), '\n');
    EXPECT_EQ(lines, std::count(text.begin(), text.end(), '\r'));
    EXPECT_EQ(text.substr(text.size() - 9), "</html>\r\n");
}

} // namespace
} // namespace velmar
