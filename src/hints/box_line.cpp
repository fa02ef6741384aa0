// SPDX-License-Identifier: GPL-3.0-or-later
// Box/line reductions: a digit of a box confined to one row or column segment
// leaves the rest of that line, and a digit of a line confined to one box
// leaves the rest of that box. Each digit is tried once per box and dialog
// run (boxLineOpen).
#include "hints/hint_engine.h"

namespace velmar {

using namespace hints;

namespace {

// A segment: three cells where a line meets a box, in the order the sentence
// lists them (rows left to right, columns bottom-up).
struct Segment {
    std::array<int, 3> cells;
    Unit line;
};

} // namespace

void HintEngine::boxLineReductions() {
    static constexpr std::array<int, 9> kBoxOrder = {0, 3, 6, 1, 4, 7, 2, 5, 8};
    for (int b : kBoxOrder) {
        if (boxLineOpen[b] == 0) continue;
        const int p = b / 3;
        const int q = b % 3;
        for (int i = 0; i < 3; ++i) {
            const int rowStart = 27 * p + 9 * i + q;
            const int colStart = 27 * p + 3 * i + q;
            const std::array<Segment, 2> segments = {
                Segment{{rowStart, rowStart + 3, rowStart + 6}, rowUnit(3 * p + i)},
                Segment{{colStart + 18, colStart + 9, colStart}, columnUnit(3 * i + q)}};
            for (const Segment& seg : segments) {
                Mask inSegment = 0;
                for (int e : seg.cells) inSegment |= candMask[e];
                Mask restOfLine = 0;
                Mask restOfBox = 0;
                for (int j = 0; j < 9; ++j) {
                    const int lineCell = seg.line.cell(j);
                    if (boxOf(lineCell) != b) restOfLine |= candMask[lineCell];
                    const int boxCell = boxUnit(b).cell(j);
                    if (boxCell != seg.cells[0] && boxCell != seg.cells[1] &&
                        boxCell != seg.cells[2]) {
                        restOfBox |= candMask[boxCell];
                    }
                }
                Mask digits =
                    boxLineOpen[b] & inSegment & static_cast<Mask>(~(restOfLine & restOfBox));
                while (digits != 0 && searching) {
                    const int d = lowestDigit(digits);
                    const Mask bit = static_cast<Mask>(1u << d);
                    digits &= static_cast<Mask>(~bit);
                    boxLineOpen[b] &= static_cast<Mask>(~bit);
                    bool removed = false;
                    for (int j = 0; j < 9; ++j) {
                        const int lineCell = seg.line.cell(j);
                        const int boxCell = boxUnit(b).cell(j);
                        if (boxOf(lineCell) != b && (candMask[lineCell] & bit)) {
                            candMask[lineCell] &= static_cast<Mask>(~bit);
                            removed = true;
                        }
                        if (boxCell != seg.cells[0] && boxCell != seg.cells[1] &&
                            boxCell != seg.cells[2] && (candMask[boxCell] & bit)) {
                            candMask[boxCell] &= static_cast<Mask>(~bit);
                            removed = true;
                        }
                    }
                    if (!removed) continue;
                    // Absent from the rest of the box: the box points along the line.
                    const std::string phrase =
                        unitPhrase((restOfBox & bit) == 0 ? boxUnit(b) : seg.line);
                    for (int e : seg.cells) {
                        if (candMask[e] & bit) {
                            listAppend(cellName(e));
                            highlight(e, HighlightColour::Magenta);
                        }
                    }
                    report(kBoxLineReduction,
                           phrase + ", one of " + listTake() + " must be " + digitName(d));
                }
                if (!searching) return;
            }
        }
    }
}

} // namespace velmar
