// SPDX-License-Identifier: GPL-3.0-or-later
// The hint as a value: its placement, its eliminations and its weight agree
// with what the engine did, and the technique table covers every counter.
#include "candidate_grid.h"
#include "hints/engine_layout.h"
#include "hints/hint_engine.h"

#include <gtest/gtest.h>

#include <set>

namespace velmar {
namespace {

using namespace testing; // CandidateGrid, cellIndex, searchOnce

TEST(HintValue, SingleAndElimination) {
    CandidateGrid single;
    single.removeIn("C1", "C9", "4", {"C7"});
    const Hint hint = searchOnce(single).hint();
    EXPECT_EQ(hint.placement, (CellDigit{cellIndex("C7"), 4}));
    EXPECT_TRUE(hint.eliminations.empty());
    EXPECT_EQ(hint.technique, kHiddenSingle);
    EXPECT_EQ(hint.weight, 1);

    // 5 leaves the rest of row B, in board order.
    CandidateGrid boxLine;
    boxLine.removeIn("A1", "C3", "5", {"B1", "B3"});
    const Hint reduction = searchOnce(boxLine).hint();
    EXPECT_FALSE(reduction.placement);
    std::vector<CellDigit> expected;
    for (const char* cell : {"B4", "B5", "B6", "B7", "B8", "B9"})
        expected.push_back({cellIndex(cell), 5});
    EXPECT_EQ(reduction.eliminations, expected);
    EXPECT_EQ(reduction.technique, kBoxLineReduction);
    EXPECT_EQ(reduction.weight, 5);
    EXPECT_EQ(reduction.highlights[cellIndex("B1")], HighlightColour::Magenta);
}

TEST(HintValue, EveryCounterHasAWeight) {
    for (int w : HintEngine::weights()) EXPECT_GT(w, 0);
    EXPECT_EQ(HintEngine::weight(kStumped), 800);
}

// Rates puzzles step by step (as the batch rating does) and checks every hint
// against the engine: its eliminations are exactly the candidates that went,
// and the weights and techniques of the hints add up to the score and the
// counters. The puzzles need unique rectangles, band rectangles reducing two
// and three cells, chains, and one ends stumped.
TEST(HintValue, RatingAddsUpItsHints) {
    const char* puzzles[] = {
        "....7..1.2...95....8.....3..4..5...3.7...2...81....4..6..1..........9.5......68.9",
        ".......4...3.8.2..5.9...87.6....17........9.22..65....8.62.9....1...6........8..3",
        ".41..9.2.......1....83...5..96.8.......6..3..8...........8...67.172....5.....49..",
        "..1.......2..8.3.1..4.63......4...3.....95...9....16.2.6....4.7..57.....7....98..",
    };
    std::set<int> seen;
    for (const char* puzzle : puzzles) {
        SCOPED_TRACE(puzzle);
        HintEngine engine;
        engine.clearTechniqueCounts();
        engine.loadGivens(puzzle);
        int score = 0;
        TechniqueCounts counts{};
        while (engine.outcome() == kOutcomeRunning) {
            std::array<hints::Mask, 81> before{};
            for (int i = 0; i < 81; ++i) before[i] = engine.candidates(hints::engineCellOfIndex(i));
            const Hint hint = engine.search();
            std::vector<CellDigit> removed;
            for (int i = 0; i < 81; ++i) {
                const hints::Mask now = engine.candidates(hints::engineCellOfIndex(i));
                for (int d = 0; d < 9; ++d) {
                    if ((before[i] >> d & 1) && !(now >> d & 1)) removed.push_back({i, d + 1});
                }
            }
            ASSERT_EQ(hint.eliminations, removed) << hint.sentence;
            if (hint.placement) {
                EXPECT_TRUE(before[hint.placement->cell] >> (hint.placement->digit - 1) & 1);
            }
            if (hint.technique != kNoTechnique) {
                seen.insert(hint.technique);
                counts[hint.technique] += hint.weight / HintEngine::weight(hint.technique);
            }
            score += hint.weight;
            EXPECT_EQ(engine.score(), score) << hint.sentence;
            engine.placePendingInEngine();
            engine.dropWaitingDeduction();
        }
        EXPECT_EQ(engine.counts(), counts);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kTechniqueCounterCount));
}

} // namespace
} // namespace velmar
