// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/bank_grading.h"
#include "bank/bank_quality.h"
#include "bank/puzzle_bank.h"
#include "model/random.h"
#include "model/tqj.h"

#include <gtest/gtest.h>

#include <map>

using namespace velmar;

TEST(PuzzleBank, BuiltInBankMeetsEveryQualityRule) {
    const PuzzleBank& bank = PuzzleBank::builtIn();
    const BankQuality quality = CheckBank(bank);
    int previousMedian = -1;
    for (int level = 0; level < kBankLevels; ++level) {
        const LevelQuality& q = quality.levels[level];
        SCOPED_TRACE(QualitySummary(level, q));
        EXPECT_EQ(q.lines, kBankLineCounts[level]);
        EXPECT_EQ(q.wellFormed, q.lines);
        EXPECT_EQ(q.unique, q.lines);
        EXPECT_EQ(q.solved, q.lines);
        EXPECT_EQ(q.repeats, 0);
        EXPECT_GE(q.symmetric * 100, q.lines * 95);
        EXPECT_TRUE(q.problems.empty()) << q.problems.front();
        // Levels get harder in turn.
        EXPECT_GT(q.medianScore, previousMedian);
        previousMedian = q.medianScore;
    }
    EXPECT_TRUE(quality.passed);
}

TEST(PuzzleBank, EachLineSitsAtItsGradedLevel) {
    const PuzzleBank& bank = PuzzleBank::builtIn();
    HintEngine engine;
    for (int level = 0; level < kBankLevels; ++level) {
        // A sample of each list is enough to catch a list filed at the wrong level.
        for (int number = 1; number <= bank.lineCount(level); number += 97) {
            const std::string_view line = bank.line(level, number);
            EXPECT_EQ(GradeLevel(ProfilePuzzle(engine, GivensOfMarked(line))), level) << line;
        }
    }
}

TEST(PuzzleBank, DrawNeverGivesTheLastLineAndTheOneBeforeTwice) {
    const PuzzleBank bank({"L1\nL2\r\nL3\n\nL4\nL5", "A\nB", "", "", ""});
    ASSERT_EQ(bank.lineCount(0), 5);
    ASSERT_EQ(bank.line(0, 2), "L2");
    Random random(99);
    std::map<std::string_view, int> seen;
    constexpr int kDraws = 50000;
    for (int i = 0; i < kDraws; ++i) ++seen[DrawBankLine(bank, 0, random)];
    EXPECT_EQ(seen.count("L5"), 0u);
    for (std::string_view line : {"L1", "L2", "L3"}) EXPECT_NEAR(seen[line], kDraws / 5, 600);
    EXPECT_NEAR(seen["L4"], 2 * kDraws / 5, 900);
    // With two lines only the first ever comes up.
    for (int i = 0; i < 100; ++i) EXPECT_EQ(DrawBankLine(bank, 1, random), "A");
}

TEST(PuzzleBank, DealsAreReproducibleFromTheSeed) {
    Random first(2026), second(2026);
    TQJ a, b;
    for (int level = 0; level < kBankLevels; ++level) {
        const PuzzleBank& bank = PuzzleBank::builtIn();
        ASSERT_TRUE(a.LoadMarkedPuzzle(DrawBankLine(bank, level, first), first));
        ASSERT_TRUE(b.LoadMarkedPuzzle(DrawBankLine(bank, level, second), second));
        EXPECT_EQ(a.GetSolutionString(), b.GetSolutionString());
        EXPECT_EQ(a.GetGivensString(), b.GetGivensString());
    }
}

TEST(BankGrading, RelabellingAndMarkedLines) {
    EXPECT_EQ(RelabelledGivens("9.9.5"), "1.1.2");
    EXPECT_EQ(RelabelledGivens("5.5.9"), "1.1.2");
    EXPECT_EQ(GivensOfMarked("1A2B"), "1.2.");
    EXPECT_EQ(SolutionOfMarked("1A2I"), "1129");
}
