// SPDX-License-Identifier: GPL-3.0-or-later
// The hint dialog's behaviour without its window: the one engine, the action
// button that alternates between searching ("Next Hint") and applying ("Do It
// For Me"), and the rating of the current board. The Qt dialog shows text(),
// paints highlights() (cell and candidate panels), and after every
// application redraws the board (open cells show their candidates, placed
// cells their big digit) and records it as a step when it changed.
#pragma once

#include "board/board_cells.h"
#include "hints/hint_engine.h"

#include <string>
#include <vector>

namespace velmar {

class HintDialogModel {
  public:
    explicit HintDialogModel(BoardCells& board) : board_(board) {}

    // The "Advanced techniques" switch: the engine's ladder for the next
    // dialog runs (off: the engine's own techniques, as always).
    void setAdvanced(bool on) { engine_.setAdvanced(on); }
    bool advanced() const { return engine_.advanced(); }

    // A fresh dialog run on the board: reset, then the first request, so the
    // first hint is ready before the dialog shows.
    void open(bool pencilMode);

    // The action button. Returns true when a hint was applied to the board
    // (a placed single or a copied elimination): the caller records the board
    // as a new step of the move history when it changed.
    bool action();

    // Caption of the action button: "Do It For Me" while a deduction waits.
    bool offersDoItForMe() const { return engine_.isDeductionWaiting(); }
    // The next request searches (the dialog shows "Thinking..." meanwhile)
    // rather than applying a waiting deduction.
    bool nextRequestSearches() const {
        return !engine_.hasPendingPlacement() && !engine_.isDeductionWaiting();
    }

    // Hints in stages (see study/staged_hint.h). "Smaller hint" shows the
    // hint's first stage, the technique's name, and makes every later hint of
    // this dialog run start there; "More of the hint" shows one stage more.
    // Both act only while a found deduction is shown; "Do It For Me" works at
    // any stage.
    void smallerHint();
    void moreOfHint();
    bool showsDeduction() const { return deductionShown_; }
    int stage() const { return stage_; }

    // The text box and the board's highlights: the last search's hint at its
    // stage, cleared when a hint is applied.
    const std::string& text() const { return text_; }
    const HintHighlights& highlights() const { return highlights_; }
    HintEngine& engine() { return engine_; }
    const HintEngine& engine() const { return engine_; }

    // The rating of the current board: presses the action button until the
    // engine reaches an outcome, collecting the text and the running score
    // after every press.
    std::vector<std::string> rateBoard();

  private:
    void request();
    void showStage();

    BoardCells& board_;
    HintEngine engine_;
    bool pencilMode_ = false;
    std::string text_;
    HintHighlights highlights_{};
    bool deductionShown_ = false;
    bool smallFirst_ = false;
    int stage_ = 3;
};

} // namespace velmar
