// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/hint_dialog_model.h"

#include "hints/puzzle_rating.h"

namespace velmar {

void HintDialogModel::open(bool pencilMode) {
    pencilMode_ = pencilMode;
    engine_.reset();
    text_.clear();
    request();
}

// A request either applies the waiting deduction (and shows nothing) or
// searches and shows what it found.
void HintDialogModel::request() {
    highlights_.fill(HighlightColour::White);
    const bool applies = engine_.isDeductionWaiting();
    if (applies) text_.clear();
    engine_.step(board_, pencilMode_);
    if (!applies) {
        text_ = engine_.hint().sentence;
        highlights_ = engine_.hint().highlights;
    }
}

bool HintDialogModel::action() {
    if (engine_.hasPendingPlacement()) {
        engine_.placePending(board_, pencilMode_);
        text_.clear();
        highlights_.fill(HighlightColour::White);
        return true;
    }
    const bool applies = engine_.isDeductionWaiting();
    request();
    return applies;
}

std::vector<std::string> HintDialogModel::rateBoard() {
    std::vector<std::string> results;
    text_.clear();
    while (engine_.outcome() == kOutcomeRunning) {
        action();
        results.push_back(ScoredSentence(text_, engine_.score()));
    }
    return results;
}

} // namespace velmar
