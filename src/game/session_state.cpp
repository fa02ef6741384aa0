// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/session_state.h"

#include <algorithm>

namespace velmar {

int DigitSelection::Selected() const {
    if (std::count(down_.begin(), down_.end(), true) != 1) return 0;
    return static_cast<int>(std::find(down_.begin(), down_.end(), true) - down_.begin()) + 1;
}

bool DigitSelection::AnyDown() const {
    return std::find(down_.begin(), down_.end(), true) != down_.end();
}

void DigitSelection::Press(int digit) {
    down_.fill(false);
    down_[digit - 1] = true;
}

void DigitSelection::Toggle(int digit) {
    down_[digit - 1] = !down_[digit - 1];
    if (!AnyDown()) down_[digit - 1] = true;
}

bool DigitSelection::SetSingle(bool single) {
    if (single == single_) return false;
    single_ = single;
    if (!single) return true;
    const auto first = std::find(down_.begin(), down_.end(), true);
    if (first != down_.end()) Press(static_cast<int>(first - down_.begin()) + 1);
    return true;
}

int DigitSelection::Next() const {
    for (int d : {9, 1, 2, 3, 4, 5, 6, 7, 8})
        if (down_[d - 1]) return d % 9 + 1;
    return 1;
}

} // namespace velmar
