// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/step_log.h"

#include <gtest/gtest.h>

#include "board/board_cells.h"
#include "history/position_line.h"

namespace velmar {
namespace {

constexpr StepButtons kNone{false, false, false, false};
constexpr StepButtons kBackOnly{true, true, false, false};
constexpr StepButtons kNextOnly{false, false, true, true};
constexpr StepButtons kAll{true, true, true, true};

std::string Step(int n) {
    return "step" + std::to_string(n);
}

// A log holding step0..step(count-1), cursor on the last.
StepLog LogOf(int count) {
    StepLog log;
    log.StartLog(Step(0));
    for (int i = 1; i < count; ++i) log.RecordStep(Step(i));
    return log;
}

TEST(StepLogTest, PlaceholderKeepsBackAndFirstOff) {
    StepLog log;
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"memostep"});
    EXPECT_EQ(log.Cursor(), 0);
    EXPECT_EQ(log.RecordButtons(), kNone);
    // Recording without a game start keeps entry 0 the placeholder.
    EXPECT_TRUE(log.RecordStep(Step(1)));
    EXPECT_TRUE(log.RecordStep(Step(2)));
    EXPECT_EQ(log.RecordButtons(), kNone);
    log.GoBack();
    EXPECT_EQ(log.RecordButtons(), kNextOnly);
    // The navigation rule has no placeholder exception.
    EXPECT_EQ(log.NavigationButtons(), kAll);
}

TEST(StepLogTest, StartLogAndRecording) {
    StepLog log = LogOf(1);
    EXPECT_EQ(log.Entries(), std::vector<std::string>{Step(0)});
    EXPECT_EQ(log.RecordButtons(), kNone);

    // The same position twice leaves one entry.
    EXPECT_FALSE(log.RecordStep(Step(0)));
    EXPECT_EQ(log.Entries().size(), 1u);

    EXPECT_TRUE(log.RecordStep(Step(1)));
    EXPECT_EQ(log.Cursor(), 1);
    EXPECT_EQ(log.RecordButtons(), kBackOnly);
    // Exact comparison: candidate order is part of the position.
    EXPECT_TRUE(log.RecordStep("15,3419"));
    EXPECT_TRUE(log.RecordStep("15,3149"));
    EXPECT_EQ(log.Entries().size(), 4u);

    // Restarting drops the whole history, wherever the cursor was.
    log.GoFirst();
    log.StartLog(Step(9));
    EXPECT_EQ(log.Entries(), std::vector<std::string>{Step(9)});
    EXPECT_EQ(log.Cursor(), 0);
}

TEST(StepLogTest, NewMoveAfterSteppingBackDiscardsLaterEntries) {
    StepLog log = LogOf(6);
    log.GoBack();
    log.GoBack();
    EXPECT_EQ(log.GoBack(), Step(2));
    EXPECT_EQ(log.RecordButtons(), kAll);

    // Showing the step records nothing.
    EXPECT_FALSE(log.RecordStep(Step(2)));
    EXPECT_EQ(log.Entries().size(), 6u);

    EXPECT_TRUE(log.RecordStep("new"));
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{Step(0), Step(1), Step(2), "new"}));
    EXPECT_EQ(log.Cursor(), 3);
    EXPECT_EQ(log.RecordButtons(), kBackOnly);
}

TEST(StepLogTest, NavigationStaysInsideTheLog) {
    StepLog log = LogOf(3);
    EXPECT_EQ(log.GoNext(), Step(2));
    EXPECT_EQ(log.Cursor(), 2);
    EXPECT_EQ(log.GoFirst(), Step(0));
    EXPECT_TRUE(log.AtFirst());
    EXPECT_FALSE(log.AtLast());
    EXPECT_EQ(log.NavigationButtons(), kNextOnly);
    EXPECT_EQ(log.GoBack(), Step(0));
    EXPECT_EQ(log.Cursor(), 0);
    EXPECT_EQ(log.GoNext(), Step(1));
    EXPECT_EQ(log.NavigationButtons(), kAll);
    EXPECT_EQ(log.GoLast(), Step(2));
    EXPECT_TRUE(log.AtLast());
    EXPECT_EQ(log.NavigationButtons(), kBackOnly);
}

TEST(StepLogTest, TruncateAfterAndLoadedLogs) {
    StepLog log = LogOf(5);
    log.TruncateAfter(1);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{Step(0), Step(1)}));
    EXPECT_EQ(log.Cursor(), 1); // pulled back inside the log
    log.TruncateAfter(7);
    EXPECT_EQ(log.Entries().size(), 2u);

    // A file's steps: cursor on the last, buttons as the last step shows.
    log.LoadEntries({Step(0), Step(1), Step(2)});
    EXPECT_EQ(log.Cursor(), 2);
    EXPECT_EQ(log.RecordButtons(), kBackOnly);

    // A file without steps: the next record becomes entry 0.
    log.LoadEntries({});
    EXPECT_EQ(log.Cursor(), 0);
    EXPECT_EQ(log.GoLast(), "");
    EXPECT_TRUE(log.RecordStep(Step(7)));
    EXPECT_EQ(log.Entries(), std::vector<std::string>{Step(7)});
    EXPECT_EQ(log.Cursor(), 0);
}

TEST(StepLogTest, RecordsBoards) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) board.at(i).State = kStateOpen;
    board.cell(1, 1) = {1, 1, "5", kStateGiven, false, 0};
    StepLog log;
    log.StartLog(board);
    // Error marks are not part of a step.
    board.at(3).ErrorMark = true;
    EXPECT_FALSE(log.RecordStep(board));
    board.cell(1, 2) = {1, 2, "3", kStatePlaced, false, 0};
    EXPECT_TRUE(log.RecordStep(board));

    BoardCells shown;
    ASSERT_TRUE(ReadPositionLine(shown, log.GoFirst()));
    EXPECT_EQ(shown.cell(1, 1).Text, "5");
    EXPECT_EQ(shown.cell(1, 2).State, kStateOpen);
}

} // namespace
} // namespace velmar
