// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/ladder/ladder_searches.h"
namespace velmar::ladder {
bool xyWing(const Grid&, LadderStep&) {
    return false;
}
bool xyzWing(const Grid&, LadderStep&) {
    return false;
}
bool wWing(const Grid&, LadderStep&) {
    return false;
}
bool uniqueRectangle1(const Grid&, LadderStep&) {
    return false;
}
bool uniqueRectangle2(const Grid&, LadderStep&) {
    return false;
}
bool uniqueRectangle4(const Grid&, LadderStep&) {
    return false;
}
bool bugPlusOne(const Grid&, LadderStep&) {
    return false;
}
bool simpleColouring(const Grid&, LadderStep&) {
    return false;
}
bool multiColouring(const Grid&, LadderStep&) {
    return false;
}
bool singleDigitPattern(const Grid&, LadderStep&) {
    return false;
}
bool xChain(const Grid&, LadderStep&) {
    return false;
}
bool xyChain(const Grid&, LadderStep&) {
    return false;
}
bool alternatingChain(const Grid&, LadderStep&) {
    return false;
}
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
