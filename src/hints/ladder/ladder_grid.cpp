// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/ladder/ladder_grid.h"

#include "hints/ladder/ladder_step.h"

#include <map>

namespace velmar::ladder {

const Geometry& geometry() {
    static const Geometry g = [] {
        Geometry t;
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                t.unitCells[i][j] = 9 * i + j;
                t.unitCells[9 + i][j] = 9 * j + i;
                t.unitCells[18 + i][j] = 27 * (i / 3) + 3 * (i % 3) + 9 * (j / 3) + j % 3;
            }
        }
        for (int u = 0; u < 27; ++u) {
            for (int cell : t.unitCells[u]) t.unitSet[u].add(cell);
        }
        for (int c = 0; c < 81; ++c) {
            t.unitsOf[c] = {rowOf(c), 9 + colOf(c), 18 + boxOf(c)};
            for (int u : t.unitsOf[c]) t.peers[c] |= t.unitSet[u];
            t.peers[c].remove(c);
        }
        return t;
    }();
    return g;
}

std::string cellName(int cell) {
    return std::string(1, static_cast<char>('A' + rowOf(cell))) +
           static_cast<char>('1' + colOf(cell));
}

std::string unitName(int unit) {
    static const char* const boxes[9] = {"upper left",  "upper middle", "upper right",
                                         "middle left", "center",       "middle right",
                                         "lower left",  "lower middle", "lower right"};
    if (unit < 9) return std::string("row ") + static_cast<char>('A' + unit);
    if (unit < 18) return std::string("column ") + static_cast<char>('1' + unit - 9);
    return std::string("the ") + boxes[unit - 18] + " block";
}

std::string cellList(const Cells& cells) {
    std::string out;
    cells.each([&](int c) {
        if (!out.empty()) out += ", ";
        out += cellName(c);
    });
    return out;
}

std::string digitList(Mask digits) {
    std::string out;
    for (unsigned m = digits; m; m &= m - 1) {
        if (!out.empty()) out += ", ";
        out += static_cast<char>('1' + lowest(m));
    }
    return out;
}

std::string candidateName(int cell, int d) {
    return cellName(cell) + "=" + static_cast<char>('1' + d);
}

void Grid::index() {
    where.fill({});
    for (int c = 0; c < 81; ++c) {
        for (unsigned m = cand[c]; m; m &= m - 1) where[lowest(m)].add(c);
    }
}

Mask Grid::filledIn(int unit) const {
    Mask m = 0;
    for (int c : geometry().unitCells[unit]) {
        if (value[c] != 0) m |= static_cast<Mask>(1u << (value[c] - 1));
    }
    return m;
}

std::string removalsText(const LadderStep& step) {
    // Cells grouped by digit, digits ascending.
    std::map<int, Cells> byDigit;
    for (const Candidate& c : step.eliminations) byDigit[c.digit].add(c.cell);
    std::string out = "so ";
    bool first = true;
    for (const auto& [d, cells] : byDigit) {
        if (!first) out += ", ";
        first = false;
        out += cellList(cells) + " can't be " + static_cast<char>('1' + d);
    }
    return out;
}

} // namespace velmar::ladder
