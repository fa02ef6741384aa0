// SPDX-License-Identifier: GPL-3.0-or-later
// Single-digit chains, chains of pairs and generalized chains.
#include "candidate_grid.h"
#include "hints/puzzle_rating.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace testing; // CandidateGrid, colourOf, engineCandidates, searchOnce

TEST(Chains, ChainOfPairs) {
    CandidateGrid grid;
    grid.set("A1", "37").set("A5", "78").set("C5", "38");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "In chain of pairs (A1, A5, C5),\r\none of C5, A1 must be 3");
    // The common peers of A1 and C5 lose 3.
    for (const char* cell : {"A4", "A6", "C1", "C2", "C3"}) {
        EXPECT_EQ(engineCandidates(engine, cell), "12456789") << cell;
    }
    EXPECT_EQ(engineCandidates(engine, "B2"), "123456789");
    EXPECT_EQ(engine.score(), 100);
    EXPECT_EQ(engine.counts()[kChainOfPairs], 1);
    EXPECT_EQ(colourOf(engine, "A1"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "A5"), HighlightColour::Cyan);
    EXPECT_EQ(colourOf(engine, "C5"), HighlightColour::Magenta);
    EXPECT_EQ(colourOf(engine, "C2"), HighlightColour::White);
}

TEST(Chains, SingleDigitChainNeedsTheDeeperCap) {
    // 5 only at A1, A9 in row A and at E2, E9 in row E: A1 off, A9 on, E9
    // off, E2 on. Four links, found once the cap has grown to 4.
    CandidateGrid grid;
    grid.removeIn("A2", "A8", "5").removeIn("E1", "E8", "5", {"E2"});
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence,
              "In chain of 5's (A1, A9, E9, E2),\r\none of E2, A1 must be 5");
    for (const char* cell : {"B2", "C2", "D1", "F1"}) {
        EXPECT_EQ(engineCandidates(engine, cell), "12346789") << cell;
    }
    EXPECT_EQ(engine.score(), 50);
    EXPECT_EQ(engine.counts()[kSingleDigitChain], 1);
}

TEST(Chains, PairsFromBothDigitsBeforeSingleDigit) {
    // From A1 (37) both a chain of 3's (A1, A9, E9, E2) and a chain of pairs
    // ending in 7 (A1, B2, B8, C8) need the cap of 4. The pairs are tried
    // with 3 (nothing), then with 7, before any single-digit chain of A1.
    CandidateGrid grid;
    grid.removeIn("A2", "A8", "3").removeIn("E1", "E8", "3", {"E2"});
    grid.set("A1", "37").set("B2", "38").set("B8", "89").set("C8", "79");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence,
              "In chain of pairs (A1, B2, B8, C8),\r\none of C8, A1 must be 7");
    for (const char* cell : {"A7", "A8", "A9", "C1", "C2", "C3"}) {
        EXPECT_EQ(engineCandidates(engine, cell).find('7'), std::string::npos) << cell;
    }
    EXPECT_EQ(engineCandidates(engine, "B2"), "38"); // no chain of 3's applied
}

TEST(Chains, GeneralizedChainsNeverStartFromDigitOne) {
    // A6 not 1 -> A1 is 1, so not 5 -> A8 is 5 -> E8 (15) is 1: E6 would
    // lose 1. Only starts with digit 1 find it, so the engine is stumped.
    CandidateGrid grid;
    grid.removeIn("A2", "A9", "1", {"A6"}).removeIn("A2", "A9", "5", {"A8"}).set("E8", "15");
    HintEngine engine = searchOnce(grid);
    EXPECT_EQ(engine.hint().sentence, "I'm stumped!");
    EXPECT_EQ(engineCandidates(engine, "E6"), "123456789");
}

TEST(Chains, GeneralizedChainInARating) {
    std::vector<std::string> sentences;
    RatingObserver observer;
    observer.step = [&](const HintEngine& engine) { sentences.push_back(engine.hint().sentence); };
    HintEngine engine;
    const std::string line =
        "...9.31..6.7....8.2.........5....4......6..2..1.......8...7.......3..5.....4....9";
    EXPECT_EQ(RatePuzzleLine(engine, line, observer),
              line + "\t1296\t6\t2\t14\t2\t2\t1\t0\t0\t1\t0\t0\t1");
    EXPECT_NE(std::find(sentences.begin(), sentences.end(),
                        "In generalized chain (C6, C4, G4, G7, E7),\r\none of E7, C6 must be 7"),
              sentences.end());
    EXPECT_EQ(sentences.back(), "I'm stumped!");
}

// Skipping the searches that cannot change at a deeper cap must not change
// a single sentence or state.
TEST(Chains, ShortcutsChangeNothing) {
    const std::vector<std::string> puzzles = {
        "...9.31..6.7....8.2.........5....4......6..2..1.......8...7.......3..5.....4....9",
        ".......71.2.8........5.3...7.9.6.......2..8..1.........3...25..6...1..4..........",
        "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........",
        "98.7..6..75..4......3..8.7.5....7.3...94.........2.1..3.......1.9...5.8...52....6"};
    auto transcript = [](const std::string& puzzle, bool shortcuts) {
        std::string text;
        RatingObserver observer;
        observer.step = [&](const HintEngine& engine) {
            text += ScoredSentence(engine.hint().sentence, engine.score()) + "\n";
        };
        observer.state = [&](const HintEngine& engine) { text += EngineStateText(engine) + "\n"; };
        HintEngine engine;
        engine.setChainShortcuts(shortcuts);
        return text + RatePuzzleLine(engine, puzzle, observer);
    };
    for (const std::string& puzzle : puzzles) {
        EXPECT_EQ(transcript(puzzle, true), transcript(puzzle, false)) << puzzle;
    }
}

} // namespace
} // namespace velmar
