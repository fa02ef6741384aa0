// SPDX-License-Identifier: GPL-3.0-or-later
// What the hint engine needs to solve a puzzle, and the rule that turns it
// into a bank level. The bank generator sorts puzzles with it and the bank
// check reports by it.
#pragma once

#include "hints/hint_engine.h"

#include <string>
#include <string_view>

namespace velmar {

struct PuzzleProfile {
    int outcome = kOutcomeRunning; // the engine's last outcome
    int score = 0;
    TechniqueCounts counts{};
    int largestSubset = 0;     // 0, or 2..4: the largest naked or hidden subset used
    int longestDigitChain = 0; // cells in the longest single-digit chain used
    int givens = 0;
    bool symmetric = false; // givens unchanged by a half-turn of the board
};

// Rates the givens of a puzzle line as the batch rating does.
PuzzleProfile ProfilePuzzle(HintEngine& engine, std::string_view puzzle);

// The level a puzzle belongs to, or -1 when the engine cannot finish it:
//   4 Diabolical  chains of pairs, generalized chains, or a single-digit chain
//                 of more than kShortChainCells cells
//   3 Tough       triples, quads, unique rectangles or a short single-digit chain
//   2 Moderate    box/line reductions or pairs
//   1 Gentle      singles only
//   0 Very Easy   hidden singles only, with at least kVeryEasyGivens givens
int GradeLevel(const PuzzleProfile& profile);

constexpr int kShortChainCells = 6;
constexpr int kVeryEasyGivens = 34;

// The givens of a solution-marked line ('1'..'9'; letters become '.').
std::string GivensOfMarked(std::string_view marked);
// The full grid of a solution-marked line (letters read as digits).
std::string SolutionOfMarked(std::string_view marked);
// The givens relabelled so that digits appear in the order 1, 2, 3, ...: two
// puzzles that differ only by a relabelling of digits become equal.
std::string RelabelledGivens(std::string_view givens);

} // namespace velmar
