// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of the advanced ladder. Each looks at the grid and, when its
// pattern removes or places something, fills the step (technique,
// difficulty, sentence, pattern, targets, eliminations or placement) and
// returns true. The driver sets step.technique to the searched row first; a
// search that reports a neighbouring row (a sashimi fish, a skyscraper
// found by the chain search) sets it itself.
#pragma once

#include "hints/ladder/ladder_step.h"
#include "hints/ladder/technique_table.h"

namespace velmar::ladder {

using Search = bool (*)(const Grid&, LadderStep&);

bool hiddenSingleInBox(const Grid& g, LadderStep& step);
bool hiddenSingleInLine(const Grid& g, LadderStep& step);
bool nakedSingle(const Grid& g, LadderStep& step);
bool pointing(const Grid& g, LadderStep& step);
bool claiming(const Grid& g, LadderStep& step);
template <int N> bool nakedSubset(const Grid& g, LadderStep& step);
template <int N> bool hiddenSubset(const Grid& g, LadderStep& step);
template <int N> bool basicFish(const Grid& g, LadderStep& step);
template <int N> bool finnedFish(const Grid& g, LadderStep& step);

bool xyWing(const Grid& g, LadderStep& step);
bool xyzWing(const Grid& g, LadderStep& step);
bool wWing(const Grid& g, LadderStep& step);
bool uniqueRectangle1(const Grid& g, LadderStep& step);
bool uniqueRectangle2(const Grid& g, LadderStep& step);
bool uniqueRectangle4(const Grid& g, LadderStep& step);
bool bugPlusOne(const Grid& g, LadderStep& step);
bool simpleColouring(const Grid& g, LadderStep& step);
bool multiColouring(const Grid& g, LadderStep& step);

bool singleDigitPattern(const Grid& g, LadderStep& step); // skyscraper, kite, empty rectangle
bool xChain(const Grid& g, LadderStep& step);
bool xyChain(const Grid& g, LadderStep& step);
bool alternatingChain(const Grid& g, LadderStep& step);
bool wxyzWing(const Grid& g, LadderStep& step); // ALS-XZ of a pair cell and three cells
bool alsXz(const Grid& g, LadderStep& step);
bool alsXyWing(const Grid& g, LadderStep& step);
bool sueDeCoq(const Grid& g, LadderStep& step);

bool contradictionForcingChain(const Grid& g, LadderStep& step);
bool cellForcingChain(const Grid& g, LadderStep& step);
bool unitForcingChain(const Grid& g, LadderStep& step);
bool forcingNet(const Grid& g, LadderStep& step);
bool nestedForcingNet(const Grid& g, LadderStep& step);

} // namespace velmar::ladder
