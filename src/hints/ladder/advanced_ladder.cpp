// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/ladder/advanced_ladder.h"

#include "hints/ladder/ladder_searches.h"

#include <array>

namespace velmar::ladder {

namespace {

struct Rung {
    TechniqueId technique;
    Search search;
};

// The order of the ladder, by difficulty; a technique reported by the
// search of another row (a sashimi fish by its finned row, skyscrapers,
// kites and empty rectangles by the single-digit pattern search) has no
// rung of its own.
constexpr std::array<Rung, 39> kLadder = {{
    {kHiddenSingleBox, hiddenSingleInBox},
    {kHiddenSingleLine, hiddenSingleInLine},
    {kNakedSingle, nakedSingle},
    {kPointing, pointing},
    {kClaiming, claiming},
    {kNakedPair, nakedSubset<2>},
    {kXWing, basicFish<2>},
    {kHiddenPair, hiddenSubset<2>},
    {kNakedTriple, nakedSubset<3>},
    {kSwordfish, basicFish<3>},
    {kHiddenTriple, hiddenSubset<3>},
    {kXYWing, xyWing},
    {kXYZWing, xyzWing},
    {kUniqueRectangle1, uniqueRectangle1},
    {kUniqueRectangle2, uniqueRectangle2},
    {kUniqueRectangle4, uniqueRectangle4},
    {kNakedQuad, nakedSubset<4>},
    {kJellyfish, basicFish<4>},
    {kHiddenQuad, hiddenSubset<4>},
    {kWxyzWing, wxyzWing},
    {kBug1, bugPlusOne},
    {kSkyscraper, singleDigitPattern}, // a skyscraper is also a sashimi X-Wing: named first
    {kFinnedXWing, finnedFish<2>},
    {kFinnedSwordfish, finnedFish<3>},
    {kWWing, wWing},
    {kSimpleColouring, simpleColouring},
    {kFinnedJellyfish, finnedFish<4>},
    {kMultiColouring, multiColouring},
    {kXChain, xChain},
    {kXYChain, xyChain},
    {kAic, alternatingChain},
    {kAlsXz, alsXz},
    {kSueDeCoq, sueDeCoq},
    {kAlsXyWing, alsXyWing},
    {kContradictionForcingChain, contradictionForcingChain},
    {kUnitForcingChain, unitForcingChain},
    {kCellForcingChain, cellForcingChain},
    {kForcingNet, forcingNet},
    {kNestedForcingNet, nestedForcingNet},
}};

} // namespace

std::optional<LadderStep> findLadderStep(const Grid& grid) {
    for (const Rung& rung : kLadder) {
        LadderStep step;
        step.technique = rung.technique;
        if (!rung.search(grid, step)) continue;
        if (step.difficulty == 0) step.difficulty = techniqueInfo(step.technique).difficulty;
        step.pattern = step.pattern.minus(step.targets);
        return step;
    }
    return std::nullopt;
}

} // namespace velmar::ladder
