// SPDX-License-Identifier: GPL-3.0-or-later
// Positions for practising one technique: places along the advanced ladder's
// solution path of a bank puzzle where that technique is the next step. They
// are found ahead of time (tools/practicegen) and kept beside the bank as
// references, "level:line:step" (the bank line, counted from 1, and how many
// steps of the path come before), grouped by technique; a position is rebuilt
// by walking the path again.
#pragma once

#include "bank/puzzle_bank.h"
#include "board/board_cells.h"
#include "hints/ladder/technique_table.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct PracticeRef {
    int level = 0;
    int line = 1; // from 1
    int step = 0; // steps of the path before the position
    bool operator==(const PracticeRef&) const = default;
};

// By row of the ladder's technique table; techniques that share a name (the
// two hidden singles) are kept under the first of them.
using PracticeSet = std::array<std::vector<PracticeRef>, ladder::kTechniqueCount>;

// Walks the path of every bank puzzle, the levels taken in turn line by line
// so that each technique gets positions from all levels, and keeps up to
// `perTechnique` positions per technique, at most one per puzzle.
PracticeSet FindPracticePositions(const PuzzleBank& bank, int perTechnique);

// The text form: one line per technique that has positions, its name, a tab
// and the references separated by blanks; lines end in "\n". The reader
// skips lines and references it does not understand (it reads built-in data).
std::string PracticeText(const PracticeSet& set);
PracticeSet ParsePracticeText(std::string_view text);

// The positions compiled into the program (data/bank/practice.txt).
const PracticeSet& BuiltInPractice();

// The position a reference names: givens, the digits placed by the steps
// before it and every open cell's candidates. An empty board (every cell
// open without candidates) when the reference is outside the bank or its path.
BoardCells PracticeBoard(const PuzzleBank& bank, const PracticeRef& ref);

// The technique whose name matches (letter case, blanks, hyphens and
// underscores alike), as PracticeSet keeps it; -1 when none does.
int PracticeTechnique(std::string_view name);

} // namespace velmar
