// SPDX-License-Identifier: GPL-3.0-or-later
// A deliberately literal copy of the solver's original algorithm: a grid of
// per-digit flags, full recomputation after every placement, singles sweeps
// in row-major order and a depth-first search on the first empty cell. It is
// slow and kept only as the reference the fast solver is compared with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar::literal {

struct Solved {
    int status = 1;
    std::string grid;
};

struct Unique {
    int result = 1;
    std::string first, second;
};

// Each call gets a work budget counted in candidate recomputations; a call
// that exceeds it answers nothing, so callers skip such inputs.
std::optional<Solved> SolveString(std::string_view puzzle, long budget);
bool CheckGivens(std::string_view puzzle);
std::optional<Unique> TestUniqueness(std::string_view board, bool dialog, long budget);

} // namespace velmar::literal
