// SPDX-License-Identifier: GPL-3.0-or-later
// A hint told in three stages, smallest first, for players who want a nudge
// rather than the answer: 1 names the technique only ("Look for a hidden
// pair"), 2 adds where to look (the unit or the pattern's cells, coloured, no
// digit named), 3 is the hint's whole sentence with its colours. An outcome
// ("Solved!", "I'm stumped!", "No solution!") reads the same at every stage.
#pragma once

#include "hints/hint.h"

#include <string>

namespace velmar::study {

constexpr int kFirstStage = 1;
constexpr int kLastStage = 3;

struct HintStage {
    std::string text; // lines joined by "\r\n", as the hint's sentence
    HintHighlights highlights{};
};

// The hint at `stage` (kFirstStage..kLastStage; anything above the last is the
// last, below the first the first).
HintStage stagedHint(const Hint& hint, int stage);

} // namespace velmar::study
