// SPDX-License-Identifier: GPL-3.0-or-later
// Ladder grids for the technique tests: every cell open with all nine
// candidates, and the test carves its pattern in.
#pragma once

#include "hints/ladder/ladder_step.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmar::testing {

inline int at(std::string_view name) {
    return (name[0] - 'A') * 9 + (name[1] - '1');
}

class LadderGridBuilder {
  public:
    LadderGridBuilder() { grid_.cand.fill(0x1FF); }
    LadderGridBuilder& set(std::string_view cell, std::string_view digits) {
        ladder::Mask m = 0;
        for (char d : digits) m |= static_cast<ladder::Mask>(1u << (d - '1'));
        grid_.cand[at(cell)] = m;
        return *this;
    }
    // Removes digit d from every cell of `unit` (0..8 rows, 9..17 columns,
    // 18..26 boxes) but the cells named.
    LadderGridBuilder& onlyIn(int unit, char d, std::vector<std::string_view> keep) {
        for (int c : ladder::geometry().unitCells[unit]) {
            bool kept = false;
            for (std::string_view k : keep) kept = kept || at(k) == c;
            if (!kept) grid_.cand[c] &= static_cast<ladder::Mask>(~(1u << (d - '1')));
        }
        return *this;
    }
    ladder::Grid build() {
        grid_.index();
        return grid_;
    }

  private:
    ladder::Grid grid_;
};

// The step's eliminations as "D7-5" names, in the order found.
inline std::vector<std::string> removed(const ladder::LadderStep& step) {
    std::vector<std::string> out;
    for (const ladder::Candidate& c : step.eliminations) {
        out.push_back(ladder::cellName(c.cell) + "-" + static_cast<char>('1' + c.digit));
    }
    return out;
}

} // namespace velmar::testing
