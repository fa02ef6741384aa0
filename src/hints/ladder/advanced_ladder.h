// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced ladder: every technique the engine knows, tried from the
// simplest to the hardest, so the step found is always the simplest one.
#pragma once

#include "hints/ladder/ladder_step.h"

#include <optional>

namespace velmar::ladder {

// The first step the ladder finds on the grid (its `where` must be indexed),
// or nothing when no technique applies (a solved grid, or one without a
// solution).
std::optional<LadderStep> findLadderStep(const Grid& grid);

} // namespace velmar::ladder
