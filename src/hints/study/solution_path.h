// SPDX-License-Identifier: GPL-3.0-or-later
// The whole solution path from a position: every step the hint engine would
// take, in order, with its technique, difficulty and sentence, the position
// before it (for a viewer board) and the hardest step marked. The game is not
// touched: the engine works on its own copy.
#pragma once

#include "board/board_cells.h"
#include "hints/hint.h"

#include <string>
#include <vector>

namespace velmar::study {

struct PathStep {
    int number = 0;        // from 1
    std::string technique; // "Hidden Pair", "Chain of Pairs"
    // The advanced ladder: tenths of the 1.0-11.9 scale; the engine's own
    // techniques: what the step adds to the score.
    int difficulty = 0;
    Hint hint; // sentence, colours, placement, eliminations
    // The position before the step: givens and placed digits, and every open
    // cell's candidates as the engine holds them.
    BoardCells before;
};

struct SolutionPath {
    bool advanced = false;
    std::vector<PathStep> steps;
    int hardest = -1;    // index into steps of the first hardest step; -1 when none
    std::string outcome; // "Solved!", "I'm stumped!" or "No solution!"
};

// The path from `board` as the hint dialog would walk it ("Pencil and Paper"
// mode: candidates from the filled cells; else the cells' marks).
SolutionPath findSolutionPath(const BoardCells& board, bool pencilMode, bool advanced);

// "7.2" for the ladder, the score weight ("40") for the engine's own techniques.
std::string difficultyText(const SolutionPath& path, const PathStep& step);

// The path as text, one line per step: number, technique, difficulty and the
// sentence on one line, tab-separated, with "hardest" as a fifth column on
// the hardest step; then the outcome on a line of its own. Lines end in "\n".
std::string solutionPathText(const SolutionPath& path);

} // namespace velmar::study
