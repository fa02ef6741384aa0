// SPDX-License-Identifier: GPL-3.0-or-later
// A hint as a value: what one search of the hint engine found, in board
// terms. The dialog shows its sentence and paints its highlights; "Do It For
// Me" places its placement or copies the engine's candidates, which already
// lack its eliminations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

// Colour of a highlighted cell and its nine candidate panels.
enum class HighlightColour : std::uint8_t { White, Cyan, Magenta };

// The colours as $00BBGGRR values, the board's colour format.
constexpr std::uint32_t kHighlightWhite = 0xFFFFFF;
constexpr std::uint32_t kHighlightCyan = 0xFFFF00;    // red 0, green 255, blue 255
constexpr std::uint32_t kHighlightMagenta = 0xFF00FF; // red 255, green 0, blue 255
std::uint32_t highlightRgb(HighlightColour colour);

// Board cells by row-major index 0..80.
using HintHighlights = std::array<HighlightColour, 81>;

// The twelve technique counters, in counter order (the order of the rating's
// columns, not the order of the search: see HintEngine::searchOrder).
enum TechniqueCounter : int {
    kNoTechnique = -1, // "Solved!" and "No solution!"
    kHiddenSingle = 0,
    kNakedSingle = 1,
    kBoxLineReduction = 2,
    kNakedSubset = 3,
    kHiddenSubset = 4,
    kRectangleCorner = 5,
    kRectangleExtraDigit = 6,
    kBandRectangle = 7,
    kGeneralizedChain = 8,
    kSingleDigitChain = 9,
    kChainOfPairs = 10,
    kStumped = 11,
    kTechniqueCounterCount = 12
};
using TechniqueCounts = std::array<int, kTechniqueCounterCount>;

// A cell and a digit: board index 0..80 (row-major), digit 1..9.
struct CellDigit {
    int cell = 0;
    int digit = 0;
    bool operator==(const CellDigit&) const = default;
};

struct Hint {
    // One to three lines joined by "\r\n"; also the outcome sentences.
    std::string sentence;
    // A single waits to be placed; eliminations are already made in the engine.
    std::optional<CellDigit> placement;
    // Every candidate the deduction removed, by cell then digit.
    std::vector<CellDigit> eliminations;
    HintHighlights highlights{};
    TechniqueCounter technique = kNoTechnique;
    // What the hint added to the difficulty score.
    int weight = 0;
    // With the advanced ladder: the technique's row in the ladder's table
    // (-1 otherwise), the step's difficulty in tenths of the 1.0-11.9 scale,
    // and the pattern's cells and the targets (board indices ascending), apart
    // from the sentence and its colours.
    int ladderTechnique = -1;
    int difficulty = 0;
    std::vector<int> patternCells;
    std::vector<int> targetCells;

    bool operator==(const Hint&) const = default;
};

} // namespace velmar
