// SPDX-License-Identifier: GPL-3.0-or-later
// Makes one random puzzle with a single solution and givens symmetric under
// a half-turn of the board, as a solution-marked line.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace velmar::bankgen {

// A random complete grid: random clues are added until they fix one solution.
std::string RandomSolutionGrid(std::mt19937_64& rng);

// Removes symmetric pairs of givens from the full grid in random order while
// the solution stays unique; stops early once no more than `keepAtLeast`
// givens would remain (0 digs as far as it goes). Returns the marked line:
// givens as digits, open cells as the letters "A".."I" of their solution.
std::string DigPuzzle(const std::string& grid, int keepAtLeast, std::mt19937_64& rng);

} // namespace velmar::bankgen
