// SPDX-License-Identifier: GPL-3.0-or-later
// A new game: a bank line drawn at random and shuffled. Every bank line is
// finished by the hint engine, but a shuffle relabels and reorders the grid
// and the engine's search order can then miss the step it needs (about one
// Diabolical shuffle in a hundred). A deal only gives games the engine
// finishes, so "Do It For Me" always reaches the end.
#pragma once

#include "bank/puzzle_bank.h"

namespace velmar {

class TQJ;

// Shuffles of one line tried before another line is drawn, and lines drawn
// before the last shuffle is kept whatever the engine says.
inline constexpr int kDealShufflesPerLine = 16;
inline constexpr int kDealLines = 8;

// Draws and shuffles into the model (DrawBankLine, then LoadMarkedPuzzle)
// until the hint engine finishes the shuffled givens.
void DealGame(const PuzzleBank& bank, int level, Random& random, TQJ& model);

// Whether the hint engine solves the model's givens from scratch.
bool EngineFinishes(const TQJ& model);

} // namespace velmar
