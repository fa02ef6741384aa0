// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/hint_dialog_model.h"

#include "hints/puzzle_rating.h"

namespace velmar {

void HintDialogModel::open(bool pencilMode) {
    pencilMode_ = pencilMode;
    engine_.reset();
    request();
}

void HintDialogModel::request() {
    engine_.clearHighlights();
    if (engine_.isDeductionWaiting()) engine_.clearText();
    engine_.step(board_, pencilMode_);
}

bool HintDialogModel::action() {
    if (engine_.hasPendingPlacement()) {
        engine_.placePending(board_, pencilMode_);
        return true;
    }
    const bool applies = engine_.isDeductionWaiting();
    request();
    return applies;
}

std::vector<std::string> HintDialogModel::rateBoard() {
    std::vector<std::string> results;
    engine_.clearText();
    while (engine_.outcome() == kOutcomeRunning) {
        action();
        results.push_back(ScoredSentence(engine_));
    }
    return results;
}

} // namespace velmar
