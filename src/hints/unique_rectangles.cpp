// SPDX-License-Identifier: GPL-3.0-or-later
// Unique rectangles. Four cells on two lines and two boxes must not be able
// to swap the same two digits, or the puzzle would have two solutions. A
// floor pair (two cells of one box and line holding the same two digits)
// either removes the pair from a far corner or forces the far corners' extra
// digit; a band rectangle (the pair in two boxes of one line) forces the
// extra digit of the two far corners out of the rest of their line.
#include "hints/hint_engine.h"

namespace velmar {

using namespace hints;

// The first two of three cells (first, first+stride, first+2*stride) with
// equal two-digit masks, tried as (1,2), (1,3), (2,3).
bool HintEngine::floorPair(int first, int stride, int& a, int& b) const {
    static constexpr std::array<std::array<int, 2>, 3> kOrder = {{{0, 1}, {0, 2}, {1, 2}}};
    for (const auto& pair : kOrder) {
        const int x = first + pair[0] * stride;
        const int y = first + pair[1] * stride;
        if (bits(candMask[x]) == 2 && candMask[x] == candMask[y]) {
            a = x;
            b = y;
            return true;
        }
    }
    return false;
}

void HintEngine::uniqueRectangles() {
    floorRectangles(false);
    if (searching) floorRectangles(true);
}

void HintEngine::floorRectangles(bool columns) {
    for (int i = 0; i < 27 && searching; ++i) {
        const int first = columns ? 27 * (i / 9) + i % 9 : 9 * (i / 3) + i % 3;
        int a = 0;
        int b = 0;
        if (!floorPair(first, columns ? 9 : 3, a, b)) continue;
        const Mask pair = candMask[a];
        for (int m = 0; m < 9 && searching; ++m) {
            const int c = columns ? 9 * rowOf(a) + m : 9 * m + offsetOf(a);
            const int d = columns ? 9 * rowOf(b) + m : 9 * m + offsetOf(b);
            if (boxOf(c) == boxOf(a)) continue;
            if ((candMask[c] & pair) != pair || (candMask[d] & pair) != pair) continue;
            if (bits(candMask[c]) == 2 || bits(candMask[d]) == 2) {
                const int reduced = bits(candMask[c]) < 3 ? d : c;
                highlight(a, HighlightColour::Cyan);
                highlight(b, HighlightColour::Cyan);
                for (int corner : {c, d}) {
                    highlight(corner, bits(candMask[corner]) == 2 ? HighlightColour::Cyan
                                                                  : HighlightColour::Magenta);
                }
                // The column sentence has always carried two blanks here.
                const char* cantBe = columns ? " can't be  " : " can't be ";
                candMask[reduced] &= static_cast<Mask>(~pair);
                report(kRectangleCorner, "Find unique rectangles ," + cellName(reduced) + cantBe +
                                             digitList(pair, ","));
            } else if (bits(candMask[c]) == 3 && candMask[d] == candMask[c]) {
                const Mask extra = candMask[c] & static_cast<Mask>(~pair);
                const Unit line = columns ? columnUnit(m) : rowUnit(m);
                const Unit box = boxUnit(boxOf(c));
                bool removed = false;
                for (int j = 0; j < 9; ++j) {
                    for (int e : {line.cell(j), box.cell(j)}) {
                        if (e != c && e != d && (candMask[e] & extra)) {
                            candMask[e] &= static_cast<Mask>(~extra);
                            removed = true;
                        }
                    }
                }
                if (!removed) continue;
                highlight(a, HighlightColour::Cyan);
                highlight(b, HighlightColour::Cyan);
                highlight(c, HighlightColour::Magenta);
                highlight(d, HighlightColour::Magenta);
                report(kRectangleExtraDigit, "Find unique rectangles ,(" + cellName(c) + "," +
                                                 cellName(d) + ") must be " +
                                                 digitList(extra, ","));
            }
        }
    }
}

void HintEngine::bandRectangles() {
    // The pair in one row (then in one column): the far corners lie in the
    // same columns (rows) on every other line, and that line loses the digit.
    for (bool columns : {false, true}) {
        const auto cellAt = [columns](int line, int at) {
            return columns ? 9 * at + line : 9 * line + at;
        };
        for (int line = 0; line < 9; ++line) {
            for (int i = 0; i < 9 && searching; ++i) {
                const int a = cellAt(line, i);
                if (bits(candMask[a]) != 2) continue;
                for (int j = 0; j < 9 && searching; ++j) {
                    const int b = cellAt(line, j);
                    if (j == i || candMask[b] != candMask[a] || boxOf(b) == boxOf(a)) continue;
                    for (int k = 0; k < 9; ++k) {
                        bandRectangle(a, b, cellAt(k, i), cellAt(k, j),
                                      columns ? columnUnit(k) : rowUnit(k));
                    }
                }
            }
        }
    }
}

// Far corners c, d (on `line`) holding the pair and one extra digit: one of
// them is that digit, so the rest of their line loses it. Scored per cell.
void HintEngine::bandRectangle(int a, int b, int c, int d, Unit line) {
    const Mask pair = candMask[a];
    if (bits(candMask[c]) != 3 || candMask[d] != candMask[c] || boxOf(c) != boxOf(a) ||
        (candMask[c] & pair) != pair) {
        return;
    }
    const Mask extra = candMask[c] & static_cast<Mask>(~pair);
    for (int j = 0; j < 9; ++j) {
        const int e = line.cell(j);
        if (e == c || e == d || !(candMask[e] & extra)) continue;
        candMask[e] &= static_cast<Mask>(~extra);
        highlight(a, HighlightColour::Cyan);
        highlight(b, HighlightColour::Cyan);
        highlight(c, HighlightColour::Magenta);
        highlight(d, HighlightColour::Magenta);
        report(kBandRectangle, "Find unique rectangles,(" + cellName(c) + "," + cellName(d) +
                                   ") must be " + digitList(extra, ""));
    }
}

} // namespace velmar
