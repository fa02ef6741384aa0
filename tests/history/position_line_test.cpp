// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/position_line.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// 81 entries joined by sep; entry i from make(i).
template <typename F> std::string JoinEntries(F make, const std::string& sep = ",") {
    std::string line;
    for (int i = 0; i < 81; ++i) line += (i ? sep : "") + make(i);
    return line;
}

// A board with every kind of cell: givens, placed digits, open cells with
// candidates in play order, and an open cell without candidates.
BoardCells SampleBoard() {
    BoardCells b;
    for (int i = 0; i < 81; ++i) {
        b.at(i).State = kStateOpen;
        b.at(i).Text = "123456789";
    }
    b.cell(1, 1) = {1, 1, "5", kStateGiven, false, 0};
    b.cell(1, 2).Text = "149";
    b.cell(1, 3) = {1, 3, "7", kStatePlaced, false, 0};
    b.cell(2, 2).Text = "";
    b.cell(5, 5).Text = "941";
    b.cell(9, 9) = {9, 9, "", kStatePlaced, false, 0};
    return b;
}

void ExpectSameCells(const BoardCells& a, const BoardCells& b) {
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(a.at(i).State, b.at(i).State) << "cell " << i;
        EXPECT_EQ(a.at(i).Text, b.at(i).Text) << "cell " << i;
    }
}

TEST(PositionLineTest, WriteFormat) {
    const std::string line = WritePositionLine(SampleBoard());
    EXPECT_EQ(line.substr(0, 11), "15,3149,27,");
    // 15, 3149, 27, 3, 3941, 2, 75 full open cells, 80 commas.
    EXPECT_EQ(line.size(), 2u + 4 + 2 + 1 + 4 + 1 + 75 * 10 + 80);
    EXPECT_EQ(line.back(), '2'); // placed cell without digit: the State alone
    EXPECT_NE(line.find(",3,"), std::string::npos);
    EXPECT_NE(line.find(",3941,"), std::string::npos);
}

TEST(PositionLineTest, RoundTripKeepsCandidateOrderAndNothingElse) {
    const BoardCells original = SampleBoard();
    BoardCells read;
    read.at(7).ErrorMark = true;
    read.at(7).CandHidden = 1;
    ASSERT_TRUE(ReadPositionLine(read, WritePositionLine(original)));
    ExpectSameCells(read, original);
    EXPECT_EQ(read.cell(5, 5).Text, "941");
    EXPECT_EQ(read.cell(2, 2).State, kStateOpen);
    EXPECT_TRUE(read.cell(2, 2).Text.empty());
    // Marks and layout are not part of a position.
    EXPECT_TRUE(read.at(7).ErrorMark);
    EXPECT_EQ(read.at(7).CandHidden, 1);
    EXPECT_EQ(read.at(80).Row, 9);
    EXPECT_EQ(read.at(80).Col, 9);
}

TEST(PositionLineTest, ToleratesBlanksAndLineEnds) {
    const BoardCells original = SampleBoard();
    const std::string plain = WritePositionLine(original);
    std::string spaced;
    for (char ch : plain) spaced += ch == ',' ? std::string(" ,  \t") : std::string(1, ch);
    for (const std::string& line : {plain + "\r", plain + "\r\n", "  " + plain + "  ", spaced}) {
        BoardCells read;
        ASSERT_TRUE(ReadPositionLine(read, line)) << line;
        ExpectSameCells(read, original);
    }
}

TEST(PositionLineTest, MalformedLinesLeaveBoardUntouched) {
    const BoardCells before = SampleBoard();
    const std::string good = WritePositionLine(before);
    const auto fill = [](const std::string& entry) {
        return JoinEntries([&](int) { return entry; });
    };
    const auto with80 = [](const std::string& last) {
        return JoinEntries([&](int i) { return i < 80 ? std::string("3") : last; });
    };
    const std::vector<std::string> bad = {
        "",
        "memostep",
        JoinEntries([](int i) { return i == 40 ? std::string("x5") : std::string("3"); }),
        fill("05"),                      // State 0
        fill("45"),                      // State 4
        fill(""),                        // empty entries
        good.substr(0, good.rfind(',')), // 80 entries
        with80("3,3"),                   // 82 entries
        with80("3,"),                    // a trailing comma is a 82nd, empty entry
        with80("31 2"),                  // blank inside an entry
        fill("3120"),                    // 0 is no candidate
        fill("3121"),                    // repeated candidate
        fill("3a"),
        fill("112"),                        // a given holds one digit
        fill("234"),                        // so does a placed cell
        std::string("\xEF\xBB\xBF") + good, // a byte-order mark is the file reader's job
    };
    for (const std::string& line : bad) {
        BoardCells board = before;
        EXPECT_FALSE(ReadPositionLine(board, line)) << line;
        ExpectSameCells(board, before);
    }
    // The same entries in their sound forms are read.
    BoardCells board;
    EXPECT_TRUE(ReadPositionLine(board, with80("3")));
    EXPECT_TRUE(ReadPositionLine(board, fill("3987654321")));
    EXPECT_TRUE(ReadPositionLine(board, fill("1")));
    EXPECT_TRUE(ReadPositionLine(board, fill("29")));
}

} // namespace
} // namespace velmar
