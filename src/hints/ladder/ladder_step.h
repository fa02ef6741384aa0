// SPDX-License-Identifier: GPL-3.0-or-later
// One deduction of the advanced ladder, kept apart from its sentence: the
// technique, the cells of the pattern and the targets, what it places or
// removes, and its difficulty on the 1.0-11.9 explainer scale (in tenths).
#pragma once

#include "hints/ladder/ladder_grid.h"

#include <string>
#include <vector>

namespace velmar::ladder {

struct Candidate {
    int cell = 0;  // board index 0..80
    int digit = 0; // 0..8
    bool operator==(const Candidate&) const = default;
};

struct LadderStep {
    int technique = -1;   // row of the ladder's technique table
    int difficulty = 0;   // tenths: 72 is 7.2 (the table's value plus any length bonus)
    std::string sentence; // lines joined by "\r\n"
    bool places = false;  // a single: `placement` is to be placed
    Candidate placement;
    std::vector<Candidate> eliminations;
    Cells pattern; // coloured cyan
    Cells targets; // coloured magenta

    // Adds an elimination and its cell as a target (no repeats).
    void eliminate(int cell, int d) {
        for (const Candidate& c : eliminations) {
            if (c.cell == cell && c.digit == d) return;
        }
        eliminations.push_back({cell, d});
        targets.add(cell);
    }
    bool found() const { return places || !eliminations.empty(); }
};

// "so D2, H7 can't be 5" / "so D2 can't be 5, H7 can't be 3", naming the
// step's eliminations by digit.
std::string removalsText(const LadderStep& step);

} // namespace velmar::ladder
