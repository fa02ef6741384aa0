// SPDX-License-Identifier: GPL-3.0-or-later
// The boxed 13-line grid the clipboard copy writes "With Candidates" before
// narrowing: every cell right-aligned in ten columns, '|' borders, '-' lines.
#pragma once

#include "exchange/import_examples.h"

#include <array>
#include <string>

namespace velmar::test {

inline std::string BoxedGrid(const std::array<std::string, 81>& cells) {
    return WideCandidateGrid(cells) + "\n";
}

// One cell per character of an 81-character puzzle line.
inline std::array<std::string, 81> CellsOf(const std::string& line) {
    std::array<std::string, 81> cells;
    for (int i = 0; i < 81; ++i) cells[i] = std::string(1, line[i]);
    return cells;
}

} // namespace velmar::test
