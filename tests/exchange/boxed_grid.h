// SPDX-License-Identifier: GPL-3.0-or-later
// The boxed 13-line grid the clipboard copy writes "With Candidates" before
// narrowing: every cell right-aligned in ten columns, '|' borders, '-' lines.
#pragma once

#include <array>
#include <string>

namespace velmar::test {

inline std::string BoxedGrid(const std::array<std::string, 81>& cells) {
    const std::string top = "*" + std::string(92, '-') + "*\n";
    const std::string band = "|" + std::string(30, '-') + "+" + std::string(30, '-') + "+" +
                             std::string(30, '-') + "|\n";
    std::string out = top;
    for (int r = 0; r < 9; ++r) {
        if (r == 3 || r == 6) out += band;
        out += '|';
        for (int c = 0; c < 9; ++c) {
            const std::string& text = cells[r * 9 + c];
            out += std::string(text.size() < 10 ? 10 - text.size() : 0, ' ') + text;
            if (c % 3 == 2) out += '|';
        }
        out += '\n';
    }
    return out + top;
}

// One cell per character of an 81-character puzzle line.
inline std::array<std::string, 81> CellsOf(const std::string& line) {
    std::array<std::string, 81> cells;
    for (int i = 0; i < 81; ++i) cells[i] = std::string(1, line[i]);
    return cells;
}

} // namespace velmar::test
