// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced ladder's techniques: what each is called, how hard it is on
// the 1.0-11.9 explainer scale, what it weighs in the score and which of the
// twelve rating columns counts it. The order in which the ladder tries them
// is kept apart (ladderOrder), as is the search that finds each one.
#pragma once

#include "hints/hint.h"

#include <array>
#include <string_view>

namespace velmar::ladder {

enum TechniqueId : int {
    kHiddenSingleBox,
    kHiddenSingleLine,
    kNakedSingle,
    kPointing,
    kClaiming,
    kNakedPair,
    kXWing,
    kHiddenPair,
    kNakedTriple,
    kSwordfish,
    kHiddenTriple,
    kXYWing,
    kXYZWing,
    kUniqueRectangle1,
    kUniqueRectangle2,
    kUniqueRectangle4,
    kNakedQuad,
    kJellyfish,
    kHiddenQuad,
    kWxyzWing,
    kBug1,
    kFinnedXWing,
    kSashimiXWing,
    kSkyscraper,
    kTwoStringKite,
    kFinnedSwordfish,
    kSashimiSwordfish,
    kEmptyRectangle,
    kWWing,
    kSimpleColouring,
    kFinnedJellyfish,
    kSashimiJellyfish,
    kMultiColouring,
    kXChain,
    kXYChain,
    kAic,
    kAlsXz,
    kSueDeCoq,
    kAlsXyWing,
    kContradictionForcingChain,
    kCellForcingChain,
    kUnitForcingChain,
    kForcingNet,
    kNestedForcingNet,
    kTechniqueCount
};

struct TechniqueInfo {
    std::string_view name;    // as the rating's last column and the step list show it
    int difficulty;           // tenths on the 1.0-11.9 scale; chains add their length bonus
    int weight;               // what a step adds to the score: harder means heavier
    TechniqueCounter counter; // the rating column that counts it
};

const TechniqueInfo& techniqueInfo(int id);

// The tenths a chain of `links` links adds to its technique's value: one
// more for each bound it passes (4, 6, 8, 12, 16, 24, 32, ...).
int lengthBonus(int links);

} // namespace velmar::ladder
