// SPDX-License-Identifier: GPL-3.0-or-later
// The practice positions kept beside the bank: every one of them really has
// its technique as the next step, and the stored form reads back.
#include "bank/practice_positions.h"
#include "hints/hint_engine.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmar {
namespace {

TEST(Practice, EveryStoredPositionHasItsTechniqueNext) {
    const PracticeSet& set = BuiltInPractice();
    auto engine = std::make_unique<HintEngine>();
    engine->setAdvanced(true);
    int positions = 0;
    for (int id = 0; id < ladder::kTechniqueCount; ++id) {
        for (const PracticeRef& ref : set[id]) {
            engine->reset();
            // As a player gets it: a position line's cells in a candidate mode.
            engine->loadFromBoard(PracticeBoard(PuzzleBank::builtIn(), ref), false);
            const Hint& hint = engine->search();
            ASSERT_GE(hint.ladderTechnique, 0);
            EXPECT_EQ(ladder::techniqueInfo(hint.ladderTechnique).name,
                      ladder::techniqueInfo(id).name)
                << ref.level << ':' << ref.line << ':' << ref.step;
            ++positions;
        }
    }
    // The bank's puzzles reach as far as alternating inference chains.
    EXPECT_GT(positions, 600);
    EXPECT_FALSE(set[ladder::kAic].empty());
}

TEST(Practice, TextReadsBackAndSkipsWhatItDoesNotUnderstand) {
    PracticeSet set;
    set[ladder::kXWing] = {{4, 12, 30}, {0, 1, 0}};
    set[ladder::kTwoStringKite] = {{2, 7, 5}};
    const std::string text = PracticeText(set);
    EXPECT_EQ(text, "X-Wing\t4:12:30 0:1:0\nTwo-String Kite\t2:7:5\n");
    EXPECT_EQ(ParsePracticeText(text), set);
    const PracticeSet damaged =
        ParsePracticeText("Nonsense\t1:1:1\r\nx-wing\t4:12:30 9:1:1 1:2 a:b:c 0:1:0 1:1:1x\r\n");
    EXPECT_EQ(damaged[ladder::kXWing], set[ladder::kXWing]);
    // A reference outside the bank gives an empty board rather than a crash.
    const BoardCells outside = PracticeBoard(PuzzleBank::builtIn(), {0, 999999, 0});
    EXPECT_EQ(outside.at(40).State, kStateOpen);
    EXPECT_EQ(PracticeTechnique("SKYSCRAPER"), ladder::kSkyscraper);
}

} // namespace
} // namespace velmar
