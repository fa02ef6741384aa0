// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/deal.h"

#include "bank/bank_grading.h"
#include "model/tqj.h"

namespace velmar {

bool EngineFinishes(const TQJ& model) {
    HintEngine engine;
    return ProfilePuzzle(engine, model.GetGivensString()).outcome == kOutcomeSolved;
}

void DealGame(const PuzzleBank& bank, int level, Random& random, TQJ& model) {
    for (int drawn = 0; drawn < kDealLines; ++drawn) {
        const std::string_view line = DrawBankLine(bank, level, random);
        for (int shuffle = 0; shuffle < kDealShufflesPerLine; ++shuffle) {
            model.LoadMarkedPuzzle(line, random);
            if (EngineFinishes(model)) return;
        }
    }
}

} // namespace velmar
