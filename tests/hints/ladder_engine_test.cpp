// SPDX-License-Identifier: GPL-3.0-or-later
// The engine with the advanced ladder: it finishes puzzles the default
// techniques are stumped on, by steps it can state, and reports each step's
// technique, cells and difficulty apart from the sentence.
#include "hints/hint_engine.h"
#include "hints/ladder/technique_table.h"
#include "hints/puzzle_rating.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// One of the hardest known puzzles (explainer rating above 11).
constexpr const char* kHardest =
    "98.7..6..75..4......3..8.7.5....7.3...94.........2.1..3.......1.9...5.8...52....6";

TEST(LadderEngine, FinishesWhatTheDefaultTechniquesCannot) {
    HintEngine engine;
    RatePuzzleLine(engine, kHardest);
    EXPECT_EQ(engine.outcome(), kOutcomeStumped);

    engine.setAdvanced(true);
    int chains = 0;
    RatingObserver observer;
    observer.step = [&](const HintEngine& e) {
        const Hint& hint = e.hint();
        if (e.outcome() != kOutcomeRunning) return;
        ASSERT_GE(hint.ladderTechnique, 0);
        EXPECT_FALSE(hint.targetCells.empty());
        EXPECT_GE(hint.difficulty, ladder::techniqueInfo(hint.ladderTechnique).difficulty);
        if (hint.sentence.find(" → ") != std::string::npos) ++chains;
    };
    const std::string result = RatePuzzleLine(engine, kHardest, observer);
    EXPECT_EQ(engine.outcome(), kOutcomeSolved);
    EXPECT_GT(chains, 0);
    EXPECT_EQ(engine.hardestTechnique(), ladder::kNestedForcingNet);
    EXPECT_GE(engine.hardestDifficulty(), 99);
    EXPECT_EQ(DifficultyColumns(engine.hardestDifficulty(), engine.hardestTechnique()).substr(0, 1),
              "\t");
}

TEST(LadderEngine, FirstStepIsTheSimplestAndColoursItsPattern) {
    HintEngine engine;
    engine.setAdvanced(true);
    engine.reset();
    engine.loadGivens(
        "083020090000800100029300008000098700070000060006740000300006980002005000010030540");
    const Hint& hint = engine.search();
    // A single in a block is the simplest step there is.
    EXPECT_EQ(hint.ladderTechnique, ladder::kHiddenSingleBox);
    EXPECT_EQ(hint.difficulty, 12);
    ASSERT_TRUE(hint.placement);
    EXPECT_EQ(hint.targetCells, std::vector<int>{hint.placement->cell});
    EXPECT_EQ(hint.highlights[hint.placement->cell], HighlightColour::Magenta);
    EXPECT_EQ(hint.patternCells.size(), 8u); // the rest of the block, cyan
    EXPECT_EQ(hint.sentence.rfind("In the ", 0), 0u) << hint.sentence;
    EXPECT_EQ(DifficultyColumns(12, ladder::kHiddenSingleBox), "\t1.2\tHidden Single");
    EXPECT_EQ(DifficultyColumns(0, -1), "\t0.0\t");
}

} // namespace
} // namespace velmar
