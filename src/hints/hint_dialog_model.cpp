// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/hint_dialog_model.h"

#include "hints/puzzle_rating.h"
#include "hints/study/staged_hint.h"

namespace velmar {

void HintDialogModel::open(bool pencilMode) {
    pencilMode_ = pencilMode;
    engine_.reset();
    text_.clear();
    smallFirst_ = false;
    request();
}

// A request either applies the waiting deduction (and shows nothing) or
// searches and shows what it found.
void HintDialogModel::request() {
    highlights_.fill(HighlightColour::White);
    const bool applies = engine_.isDeductionWaiting();
    if (applies) text_.clear();
    deductionShown_ = false;
    engine_.step(board_, pencilMode_);
    if (!applies) {
        deductionShown_ = engine_.isDeductionWaiting();
        stage_ = smallFirst_ && deductionShown_ ? study::kFirstStage : study::kLastStage;
        showStage();
    }
}

void HintDialogModel::showStage() {
    study::HintStage shown = study::stagedHint(engine_.hint(), stage_);
    text_ = std::move(shown.text);
    highlights_ = shown.highlights;
}

void HintDialogModel::smallerHint() {
    if (!deductionShown_) return;
    smallFirst_ = true;
    stage_ = study::kFirstStage;
    showStage();
}

void HintDialogModel::moreOfHint() {
    if (!deductionShown_ || stage_ >= study::kLastStage) return;
    ++stage_;
    showStage();
}

bool HintDialogModel::action() {
    if (engine_.hasPendingPlacement()) {
        engine_.placePending(board_, pencilMode_);
        deductionShown_ = false;
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
