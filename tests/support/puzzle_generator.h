// SPDX-License-Identifier: GPL-3.0-or-later
// Random test inputs for the solver: valid grids, puzzles cut from them and
// deliberately broken variants.
#pragma once

#include <random>
#include <string>

namespace velmar::testing {

// A random complete valid grid, 81 digits.
std::string randomGrid(std::mt19937& rng);

// Keeps `givens` random cells of the grid; the others become `blank`.
std::string cutPuzzle(const std::string& grid, int givens, char blank, std::mt19937& rng);

// One input of a random kind: unique or sparse puzzles, conflicts, dead cells,
// full grids, odd blanks, short and long strings.
std::string randomSolverInput(std::mt19937& rng);

} // namespace velmar::testing
