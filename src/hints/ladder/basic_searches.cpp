// SPDX-License-Identifier: GPL-3.0-or-later
// Singles, pointing and claiming, naked and hidden subsets, and fish with
// their finned and sashimi forms.
#include "hints/ladder/ladder_searches.h"

#include <array>

namespace velmar::ladder {

namespace {

std::string digitName(int d) {
    return std::string(1, static_cast<char>('1' + d));
}

void placeSingle(LadderStep& step, int cell, int d) {
    step.places = true;
    step.placement = {cell, d};
    step.targets = Cells::of(cell);
}

bool hiddenSingleIn(const Grid& g, LadderStep& step, int firstUnit, int lastUnit) {
    const Geometry& geo = geometry();
    for (int u = firstUnit; u <= lastUnit; ++u) {
        for (int d = 0; d < 9; ++d) {
            const Cells at = g.inUnit(u, d);
            if (at.count() != 1) continue;
            const int cell = at.first();
            placeSingle(step, cell, d);
            step.pattern = geo.unitSet[u];
            step.pattern.remove(cell);
            step.sentence =
                "In " + unitName(u) + ", " + cellName(cell) + " must be " + digitName(d);
            return true;
        }
    }
    return false;
}

// Calls f(indices) for every combination of n of the `count` items.
template <typename F> void combinations(int count, int n, F f) {
    std::array<int, 4> idx{};
    for (int i = 0; i < n; ++i) idx[i] = i;
    if (n > count) return;
    while (true) {
        if (f(idx)) return;
        int i = n - 1;
        while (i >= 0 && idx[i] == count - n + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < n; ++j) idx[j] = idx[j - 1] + 1;
    }
}

const char* const kSizeWords[5] = {"", "", "2", "3", "4"};

} // namespace

bool hiddenSingleInBox(const Grid& g, LadderStep& step) {
    return hiddenSingleIn(g, step, 18, 26);
}

bool hiddenSingleInLine(const Grid& g, LadderStep& step) {
    return hiddenSingleIn(g, step, 0, 17);
}

bool nakedSingle(const Grid& g, LadderStep& step) {
    for (int c = 0; c < 81; ++c) {
        if (g.value[c] != 0 || popcount(g.cand[c]) != 1) continue;
        const int d = lowest(g.cand[c]);
        placeSingle(step, c, d);
        step.sentence = cellName(c) + " can only be " + digitName(d);
        return true;
    }
    return false;
}

// A digit of a box confined to one line (pointing), or of a line to one box
// (claiming): the rest of the other unit loses it.
namespace {
bool lockedCandidates(const Grid& g, LadderStep& step, bool fromBox) {
    const Geometry& geo = geometry();
    for (int d = 0; d < 9; ++d) {
        for (int u = 0; u < 27; ++u) {
            const bool isBox = u >= 18;
            if (isBox != fromBox) continue;
            const Cells at = g.inUnit(u, d);
            if (at.count() < 2) continue;
            for (int other = 0; other < 27; ++other) {
                if ((other >= 18) == fromBox) continue;
                if (!(at.minus(geo.unitSet[other])).empty()) continue;
                const Cells lose = g.where[d] & geo.unitSet[other];
                const Cells removed = lose.minus(geo.unitSet[u]);
                if (removed.empty()) continue;
                removed.each([&](int c) { step.eliminate(c, d); });
                step.pattern = at;
                std::string phrase = "In " + unitName(u);
                step.sentence = phrase + ", one of " + cellList(at) + " must be " + digitName(d) +
                                "\r\n" + removalsText(step);
                return true;
            }
        }
    }
    return false;
}
} // namespace

bool pointing(const Grid& g, LadderStep& step) {
    return lockedCandidates(g, step, true);
}

bool claiming(const Grid& g, LadderStep& step) {
    return lockedCandidates(g, step, false);
}

template <int N> bool nakedSubset(const Grid& g, LadderStep& step) {
    const Geometry& geo = geometry();
    for (int u = 0; u < 27; ++u) {
        std::array<int, 9> cells{};
        int count = 0;
        for (int c : geo.unitCells[u]) {
            const int n = popcount(g.cand[c]);
            if (n >= 2 && n <= N) cells[count++] = c;
        }
        bool found = false;
        combinations(count, N, [&](const std::array<int, 4>& idx) {
            Mask digits = 0;
            Cells members;
            for (int i = 0; i < N; ++i) {
                digits |= g.cand[cells[idx[i]]];
                members.add(cells[idx[i]]);
            }
            if (popcount(digits) != N) return false;
            for (int c : geo.unitCells[u]) {
                if (members.has(c)) continue;
                for (unsigned m = g.cand[c] & digits; m; m &= m - 1) step.eliminate(c, lowest(m));
            }
            if (step.eliminations.empty()) return false;
            step.pattern = members;
            step.sentence = std::string("Found ") + kSizeWords[N] +
                            " squares that can only contain " + kSizeWords[N] + " digits.\r\nIn " +
                            unitName(u) + ", the squares " + cellList(members) +
                            "\r\nmust contain the digits " + digitList(digits) + ", " +
                            removalsText(step);
            found = true;
            return true;
        });
        if (found) return true;
    }
    return false;
}

template <int N> bool hiddenSubset(const Grid& g, LadderStep& step) {
    for (int u = 0; u < 27; ++u) {
        std::array<int, 9> digits{};
        int count = 0;
        for (int d = 0; d < 9; ++d) {
            const int n = g.inUnit(u, d).count();
            if (n >= 2 && n <= N) digits[count++] = d;
        }
        bool found = false;
        combinations(count, N, [&](const std::array<int, 4>& idx) {
            Cells members;
            Mask set = 0;
            for (int i = 0; i < N; ++i) {
                members |= g.inUnit(u, digits[idx[i]]);
                set |= static_cast<Mask>(1u << digits[idx[i]]);
            }
            if (members.count() != N) return false;
            members.each([&](int c) {
                for (unsigned m = g.cand[c] & ~set & 0x1FFu; m; m &= m - 1) {
                    step.eliminate(c, lowest(m));
                }
            });
            if (step.eliminations.empty()) return false;
            step.pattern = members;
            step.sentence = std::string("Found ") + kSizeWords[N] + " digits that can only be in " +
                            kSizeWords[N] + " squares.\r\nIn " + unitName(u) + ", the squares " +
                            cellList(members) + "\r\nmust contain the digits " + digitList(set) +
                            ", " + removalsText(step);
            found = true;
            return true;
        });
        if (found) return true;
    }
    return false;
}

namespace {

// Positions of digit d in line `line` (rows 0..8 or columns 9..17) as a mask
// of cross indices (the column of a row, the row of a column).
unsigned linePositions(const Grid& g, int line, int d) {
    unsigned m = 0;
    g.inUnit(line, d).each([&](int c) { m |= 1u << (line < 9 ? colOf(c) : rowOf(c)); });
    return m;
}

std::string lineWord(bool rows, unsigned set) {
    std::string out = rows ? "rows " : "columns ";
    bool first = true;
    for (unsigned m = set; m; m &= m - 1) {
        if (!first) out += ", ";
        first = false;
        out += rows ? static_cast<char>('A' + lowest(m)) : static_cast<char>('1' + lowest(m));
    }
    return out;
}

// Cell at line index `base` (a row or a column by `rows`) and cross index.
int crossCell(bool rows, int base, int cross) {
    return rows ? 9 * base + cross : 9 * cross + base;
}

// The fish of size N on digit d with base lines `bases` (row or column
// indices) and cover lines `covers`; fins (cells) may lie in one box, the
// eliminations then are restricted to it.
bool reportFish(const Grid& g, LadderStep& step, int d, bool rows, unsigned bases, unsigned covers,
                const Cells& fins, int finBox) {
    const Geometry& geo = geometry();
    Cells baseCells;
    for (unsigned m = bases; m; m &= m - 1) {
        baseCells |= g.inUnit(rows ? lowest(m) : 9 + lowest(m), d);
    }
    for (unsigned m = covers; m; m &= m - 1) {
        const int cover = rows ? 9 + lowest(m) : lowest(m);
        Cells lose = g.inUnit(cover, d).minus(baseCells);
        if (finBox >= 0) lose &= geo.unitSet[18 + finBox];
        lose.each([&](int c) { step.eliminate(c, d); });
    }
    if (step.eliminations.empty()) return false;
    step.pattern = baseCells;
    std::string sentence = std::string(techniqueInfo(step.technique).name) + " on " +
                           static_cast<char>('1' + d) + ": in " + lineWord(rows, bases) + " the " +
                           static_cast<char>('1' + d) + " can only be in " +
                           lineWord(!rows, covers);
    if (!fins.empty()) {
        sentence += (fins.count() == 1 ? " or the fin " : " or the fins ") + cellList(fins);
    }
    step.sentence = sentence + ",\r\n" + removalsText(step);
    return true;
}

} // namespace

namespace {

// The lines (rows, or columns) holding digit d in `fewest` to `most` places:
// their indices and places (cross indices as bits). Returns how many.
int fishLines(const Grid& g, int d, bool rows, int fewest, int most, std::array<int, 9>& lines,
              std::array<unsigned, 9>& pos) {
    int count = 0;
    for (int i = 0; i < 9; ++i) {
        const unsigned p = linePositions(g, rows ? i : 9 + i, d);
        const int n = popcount(p);
        if (n < fewest || n > most) continue;
        lines[count] = i;
        pos[count++] = p;
    }
    return count;
}

} // namespace

template <int N> bool basicFish(const Grid& g, LadderStep& step) {
    for (int d = 0; d < 9; ++d) {
        for (int orientation = 0; orientation < 2; ++orientation) {
            const bool rows = orientation == 0;
            std::array<int, 9> lines{};
            std::array<unsigned, 9> pos{};
            const int count = fishLines(g, d, rows, 2, N, lines, pos);
            bool found = false;
            combinations(count, N, [&](const std::array<int, 4>& idx) {
                unsigned covers = 0, bases = 0;
                for (int i = 0; i < N; ++i) {
                    covers |= pos[idx[i]];
                    bases |= 1u << lines[idx[i]];
                }
                if (popcount(covers) != N) return false;
                found = reportFish(g, step, d, rows, bases, covers, {}, -1);
                return found;
            });
            if (found) return true;
        }
    }
    return false;
}

template <int N> bool finnedFish(const Grid& g, LadderStep& step) {
    for (int d = 0; d < 9; ++d) {
        for (int orientation = 0; orientation < 2; ++orientation) {
            const bool rows = orientation == 0;
            std::array<int, 9> lines{};
            std::array<unsigned, 9> pos{};
            // A line with one place is a single.
            const int count = fishLines(g, d, rows, 2, 9, lines, pos);
            bool found = false;
            combinations(count, N, [&](const std::array<int, 4>& idx) {
                unsigned bases = 0;
                for (int i = 0; i < N; ++i) bases |= 1u << lines[idx[i]];
                // The fin box: a box across one of the base lines.
                for (int box = 0; box < 9 && !found; ++box) {
                    const int bandFirst = rows ? 3 * (box / 3) : 3 * (box % 3);
                    const unsigned boxBases = bases & (7u << bandFirst);
                    if (boxBases == 0) continue;
                    const unsigned boxCross = 7u << (rows ? 3 * (box % 3) : 3 * (box / 3));
                    unsigned outside = 0; // cross positions of base cells outside the box
                    for (int i = 0; i < N; ++i) {
                        const bool inBand = (boxBases >> lines[idx[i]]) & 1;
                        outside |= inBand ? pos[idx[i]] & ~boxCross : pos[idx[i]];
                    }
                    const int need = N - popcount(outside);
                    if (need < 0) continue;
                    // Covers: the outside positions and `need` more of the box's cross lines.
                    const unsigned spare = boxCross & ~outside;
                    for (unsigned extra = spare;; extra = (extra - 1) & spare) {
                        if (popcount(extra) == need) {
                            const unsigned covers = outside | extra;
                            Cells fins;
                            bool everyBaseCovered = true, sashimi = false;
                            for (int i = 0; i < N; ++i) {
                                const unsigned inCover = pos[idx[i]] & covers;
                                if (inCover == 0) everyBaseCovered = false;
                                if (popcount(inCover) == 1) sashimi = true;
                                for (unsigned m = pos[idx[i]] & ~covers; m; m &= m - 1) {
                                    fins.add(crossCell(rows, lines[idx[i]], lowest(m)));
                                }
                            }
                            if (everyBaseCovered && !fins.empty()) {
                                const int own = step.technique;
                                if (sashimi) step.technique = own + 1; // the sashimi row follows
                                if (reportFish(g, step, d, rows, bases, covers, fins, box)) {
                                    found = true;
                                    break;
                                }
                                step.technique = own;
                            }
                        }
                        if (extra == 0) break;
                    }
                }
                return found;
            });
            if (found) return true;
        }
    }
    return false;
}

template bool nakedSubset<2>(const Grid&, LadderStep&);
template bool nakedSubset<3>(const Grid&, LadderStep&);
template bool nakedSubset<4>(const Grid&, LadderStep&);
template bool hiddenSubset<2>(const Grid&, LadderStep&);
template bool hiddenSubset<3>(const Grid&, LadderStep&);
template bool hiddenSubset<4>(const Grid&, LadderStep&);
template bool basicFish<2>(const Grid&, LadderStep&);
template bool basicFish<3>(const Grid&, LadderStep&);
template bool basicFish<4>(const Grid&, LadderStep&);
template bool finnedFish<2>(const Grid&, LadderStep&);
template bool finnedFish<3>(const Grid&, LadderStep&);
template bool finnedFish<4>(const Grid&, LadderStep&);

} // namespace velmar::ladder
