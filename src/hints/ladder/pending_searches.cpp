// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/ladder/ladder_searches.h"
namespace velmar::ladder {
bool alsXz(const Grid&, LadderStep&) {
    return false;
}
bool alsXyWing(const Grid&, LadderStep&) {
    return false;
}
bool sueDeCoq(const Grid&, LadderStep&) {
    return false;
}
} // namespace velmar::ladder
