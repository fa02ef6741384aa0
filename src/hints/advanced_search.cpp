// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's search with the advanced ladder on: the engine's masks become
// the ladder's grid, and the ladder's step becomes the hint.
#include "hints/hint_engine.h"
#include "hints/ladder/advanced_ladder.h"
#include "hints/ladder/technique_table.h"

namespace velmar {

using namespace hints;

void HintEngine::advancedSearch() {
    ladder::Grid grid;
    for (int e = 0; e < 81; ++e) {
        grid.cand[boardIndex(e)] = candMask[e];
        grid.value[boardIndex(e)] = placedDigit[e];
    }
    grid.index();
    const std::optional<ladder::LadderStep> step = ladder::findLadderStep(grid);
    if (!step) return;

    const ladder::TechniqueInfo& info = ladder::techniqueInfo(step->technique);
    step->pattern.each([&](int i) {
        hint_.highlights[i] = HighlightColour::Cyan;
        hint_.patternCells.push_back(i);
    });
    step->targets.each([&](int i) {
        hint_.highlights[i] = HighlightColour::Magenta;
        hint_.targetCells.push_back(i);
    });
    if (step->places) {
        proposePlacement(step->placement.digit, engineCellOfIndex(step->placement.cell));
    } else {
        for (const ladder::Candidate& c : step->eliminations) {
            candMask[engineCellOfIndex(c.cell)] &= static_cast<Mask>(~(1u << c.digit));
        }
    }
    hint_.ladderTechnique = step->technique;
    hint_.difficulty = step->difficulty;
    if (step->difficulty > hardestDifficulty_) {
        hardestDifficulty_ = step->difficulty;
        hardestTechnique_ = step->technique;
    }
    difficultyScore += info.weight;
    ++techniqueCounts[info.counter];
    hint_.technique = info.counter;
    hint_.weight = info.weight;
    hint_.sentence = step->sentence;
    searching = false;
}

} // namespace velmar
