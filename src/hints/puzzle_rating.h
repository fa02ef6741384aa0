// SPDX-License-Identifier: GPL-3.0-or-later
// The batch rating: a puzzle is rated by running the hint engine on it alone
// (no board) until it is solved, stumped or finds no solution, and summing
// the weights of the techniques it needed.
#pragma once

#include "hints/hint_engine.h"

#include <functional>
#include <string>
#include <string_view>

namespace velmar {

// Watches a rating: `step` after every search (engine.hint() is what it
// found), `state` after a search that found something, once a found single
// has been placed in the engine.
struct RatingObserver {
    std::function<void(const HintEngine&)> step;
    std::function<void(const HintEngine&)> state;
};

// Resets the engine and its technique counters, places the givens of `line`
// ('1'..'9' a given, anything else or a missing character a blank, only the
// first 81 characters count) and searches until an outcome. Returns the
// result line: the line as given, the score and the twelve counters, joined
// by tabs.
std::string RatePuzzleLine(HintEngine& engine, std::string_view line,
                           const RatingObserver& observer = {});

// The two columns the advanced ladder adds to a result line: a tab, the
// difficulty with one decimal ("7.2"), a tab and the technique's name (both
// "0.0" and empty when there was no step).
std::string DifficultyColumns(int tenths, int ladderTechnique);

// A hint sentence on one line: its line breaks become " / ".
std::string SentenceOnOneLine(std::string_view text);

// A sentence on one line followed by "---难度分：" and the score.
std::string ScoredSentence(std::string_view sentence, int score);

// The engine's 81 cells in board order, comma-joined: a placed digit, or "+"
// followed by the candidate digits ascending.
std::string EngineStateText(const HintEngine& engine);

} // namespace velmar
