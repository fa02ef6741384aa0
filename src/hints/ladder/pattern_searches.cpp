// SPDX-License-Identifier: GPL-3.0-or-later
// Wings, unique rectangles, BUG+1, colouring and the named single-digit
// patterns (skyscraper, two-string kite, empty rectangle).
#include "hints/ladder/ladder_searches.h"

#include <array>
#include <vector>

namespace velmar::ladder {

namespace {

std::string digitName(int d) {
    return std::string(1, static_cast<char>('1' + d));
}

std::string pairText(int cell, Mask m) {
    return cellName(cell) + " (" + digitList(m) + ")";
}

// Removes d from every cell in `cells`; true when something went.
bool eliminateAll(const Grid& g, LadderStep& step, const Cells& cells, int d) {
    (cells & g.where[d]).each([&](int c) { step.eliminate(c, d); });
    return !step.eliminations.empty();
}

const Geometry& geo() {
    return geometry();
}

// The cells seeing both a and b (neither of them).
Cells seenByBoth(int a, int b) {
    Cells s = geo().peers[a] & geo().peers[b];
    s.remove(a);
    s.remove(b);
    return s;
}

} // namespace

namespace {

// A pivot of `size` candidates seeing two pair cells (pincers). XY-Wing: a
// pair pivot (x, y), pincers (x, z) and (y, z): one pincer is z. XYZ-Wing: a
// pivot (x, y, z), pincers (x, z) and (y, z): one of the three is z.
bool wing(const Grid& g, LadderStep& step, int size) {
    for (int p = 0; p < 81; ++p) {
        if (popcount(g.cand[p]) != size) continue;
        const Mask pivot = g.cand[p];
        geo().peers[p].each([&](int a) {
            if (step.found() || popcount(g.cand[a]) != 2) return;
            geo().peers[p].each([&](int b) {
                if (step.found() || b <= a || popcount(g.cand[b]) != 2) return;
                const Mask z = g.cand[a] & g.cand[b];
                if (popcount(z) != 1 || g.cand[a] == g.cand[b]) return;
                const bool fits = size == 2 ? popcount(g.cand[a] & pivot) == 1 &&
                                                  popcount(g.cand[b] & pivot) == 1 && !(z & pivot)
                                            : !((g.cand[a] | g.cand[b]) & ~pivot);
                if (!fits) return;
                const int zd = lowest(z);
                Cells seen = seenByBoth(a, b);
                if (size == 3) seen &= geo().peers[p];
                if (!eliminateAll(g, step, seen, zd)) return;
                step.pattern = Cells::of(p) | Cells::of(a) | Cells::of(b);
                const std::string holder =
                    size == 2 ? "one of " + cellName(a) + ", " + cellName(b) : "one of the three";
                step.sentence = std::string(techniqueInfo(step.technique).name) + ": " +
                                pairText(p, pivot) + " with " + pairText(a, g.cand[a]) + " and " +
                                pairText(b, g.cand[b]) + ":\r\n" + holder + " must be " +
                                digitName(zd) + ", " + removalsText(step);
            });
        });
        if (step.found()) return true;
    }
    return false;
}

} // namespace

bool xyWing(const Grid& g, LadderStep& step) {
    return wing(g, step, 2);
}

bool xyzWing(const Grid& g, LadderStep& step) {
    return wing(g, step, 3);
}

bool wWing(const Grid& g, LadderStep& step) {
    for (int a = 0; a < 81; ++a) {
        if (popcount(g.cand[a]) != 2) continue;
        for (int b = a + 1; b < 81; ++b) {
            if (g.cand[b] != g.cand[a] || geo().peers[a].has(b)) continue;
            for (int k = 0; k < 2; ++k) {
                const int y = k == 0 ? lowest(g.cand[a]) : 31 - __builtin_clz(g.cand[a]);
                const int x = lowest(g.cand[a] & ~(1u << y));
                // A unit where y has two places, one seeing a, the other b.
                for (int u = 0; u < 27; ++u) {
                    const Cells at = g.inUnit(u, y);
                    if (at.count() != 2 || at.has(a) || at.has(b)) continue;
                    const int c = at.first();
                    Cells rest = at;
                    rest.remove(c);
                    const int d = rest.first();
                    const bool fits = (geo().peers[a].has(c) && geo().peers[b].has(d)) ||
                                      (geo().peers[a].has(d) && geo().peers[b].has(c));
                    if (!fits || !eliminateAll(g, step, seenByBoth(a, b), x)) continue;
                    step.pattern = Cells::of(a) | Cells::of(b) | at;
                    step.sentence = "W-Wing: " + cellName(a) + " and " + cellName(b) +
                                    " are both " + digitName(x) + " or " + digitName(y) +
                                    ", and the " + digitName(y) + " of " + unitName(u) + " is in " +
                                    cellList(at) + ",\r\nso one of " + cellName(a) + ", " +
                                    cellName(b) + " must be " + digitName(x) + ", " +
                                    removalsText(step);
                    return true;
                }
            }
        }
    }
    return false;
}

namespace {

// Calls f(corners, pair) for every rectangle of open cells in two boxes
// (corners: top left, top right, bottom left, bottom right) and every pair
// of digits all four corners hold; f returns true to stop.
template <typename F> bool eachRectangle(const Grid& g, F f) {
    for (int r1 = 0; r1 < 9; ++r1) {
        for (int r2 = r1 + 1; r2 < 9; ++r2) {
            for (int c1 = 0; c1 < 9; ++c1) {
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const bool sameBand = r1 / 3 == r2 / 3, sameStack = c1 / 3 == c2 / 3;
                    if (sameBand == sameStack) continue; // one box or four
                    const std::array<int, 4> k = {9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1,
                                                  9 * r2 + c2};
                    const Mask common = g.cand[k[0]] & g.cand[k[1]] & g.cand[k[2]] & g.cand[k[3]];
                    if (popcount(common) < 2) continue;
                    for (unsigned m1 = common; m1; m1 &= m1 - 1) {
                        for (unsigned m2 = m1 & (m1 - 1); m2; m2 &= m2 - 1) {
                            const Mask pair = static_cast<Mask>((m1 & -m1) | (m2 & -m2));
                            if (f(k, pair)) return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

std::string rectangleText(const std::array<int, 4>& k, Mask pair) {
    Cells cells;
    for (int c : k) cells.add(c);
    return "Unique Rectangle on " + digitList(pair) + " (" + cellList(cells) + "): ";
}

// Calls f(r1, r2) for every way the corners split into a floor (two corners
// in a line holding only the pair) and a roof r1, r2; f returns true to stop.
template <typename F> bool eachFloor(const Grid& g, const std::array<int, 4>& k, Mask pair, F f) {
    static constexpr int sides[4][4] = {{0, 1, 2, 3}, {2, 3, 0, 1}, {0, 2, 1, 3}, {1, 3, 0, 2}};
    for (const auto& s : sides) {
        if (g.cand[k[s[0]]] != pair || g.cand[k[s[1]]] != pair) continue;
        if (f(k[s[2]], k[s[3]])) return true;
    }
    return false;
}

void markRectangle(LadderStep& step, const std::array<int, 4>& k) {
    for (int c : k) step.pattern.add(c);
}

} // namespace

bool uniqueRectangle1(const Grid& g, LadderStep& step) {
    return eachRectangle(g, [&](const std::array<int, 4>& k, Mask pair) {
        int extra = -1, exact = 0;
        for (int c : k) {
            if (g.cand[c] == pair)
                ++exact;
            else
                extra = c;
        }
        if (exact != 3) return false;
        for (unsigned m = pair; m; m &= m - 1) step.eliminate(extra, lowest(m));
        markRectangle(step, k);
        step.sentence = rectangleText(k, pair) + "three corners hold only " + digitList(pair) +
                        ";\r\nto keep the solution unique " + cellName(extra) + " can't be " +
                        digitList(pair);
        return true;
    });
}

bool uniqueRectangle2(const Grid& g, LadderStep& step) {
    return eachRectangle(g, [&](const std::array<int, 4>& k, Mask pair) {
        return eachFloor(g, k, pair, [&](int r1, int r2) {
            if (g.cand[r1] != g.cand[r2]) return false;
            const Mask x = g.cand[r1] & ~pair;
            if (popcount(x) != 1 || !eliminateAll(g, step, seenByBoth(r1, r2), lowest(x))) {
                return false;
            }
            markRectangle(step, k);
            step.sentence = rectangleText(k, pair) + cellName(r1) + " and " + cellName(r2) +
                            " hold only " + digitList(pair) + " and " + digitList(x) +
                            ";\r\nto keep the solution unique one of them must be " + digitList(x) +
                            ", " + removalsText(step);
            return true;
        });
    });
}

bool uniqueRectangle4(const Grid& g, LadderStep& step) {
    return eachRectangle(g, [&](const std::array<int, 4>& k, Mask pair) {
        return eachFloor(g, k, pair, [&](int r1, int r2) {
            if (g.cand[r1] == pair || g.cand[r2] == pair) return false;
            for (int u = 0; u < 27; ++u) {
                const Cells unit = geo().unitSet[u];
                if (!unit.has(r1) || !unit.has(r2)) continue;
                for (unsigned m = pair; m; m &= m - 1) {
                    const int locked = lowest(m);
                    if (g.inUnit(u, locked).count() != 2) continue;
                    const int other = lowest(pair & ~(1u << locked));
                    step.eliminate(r1, other);
                    step.eliminate(r2, other);
                    markRectangle(step, k);
                    step.sentence = rectangleText(k, pair) + "in " + unitName(u) + " the " +
                                    digitName(locked) + " can only be in " + cellName(r1) + ", " +
                                    cellName(r2) + ";\r\nto keep the solution unique " +
                                    removalsText(step).substr(3);
                    return true;
                }
            }
            return false;
        });
    });
}

bool bugPlusOne(const Grid& g, LadderStep& step) {
    int odd = -1;
    for (int c = 0; c < 81; ++c) {
        const int n = popcount(g.cand[c]);
        if (n == 0 || n == 2) continue;
        if (n != 3 || odd >= 0) return false;
        odd = c;
    }
    if (odd < 0) return false;
    for (unsigned m = g.cand[odd]; m; m &= m - 1) {
        const int d = lowest(m);
        bool threeEverywhere = true;
        for (int u : geo().unitsOf[odd]) threeEverywhere &= g.inUnit(u, d).count() == 3;
        if (!threeEverywhere) continue;
        step.places = true;
        step.placement = {odd, d};
        step.targets = Cells::of(odd);
        step.sentence = "BUG+1: every open cell but " + cellName(odd) +
                        " holds two candidates, and the " + digitName(d) + " is in " +
                        cellName(odd) + "'s units three times;\r\nto keep the solution unique " +
                        cellName(odd) + " must be " + digitName(d);
        return true;
    }
    return false;
}

namespace {

// The conjugate pairs of digit d (units where it has two places) coloured
// in clusters: colour[c] is 0 or 1 within cluster[c] (-1 outside).
struct Colouring {
    std::array<int, 81> cluster{};
    std::array<int, 81> colour{};
    std::vector<std::array<Cells, 2>> sides; // per cluster, the cells of each colour
};

Colouring colourDigit(const Grid& g, int d) {
    Colouring col;
    col.cluster.fill(-1);
    std::array<Cells, 81> links{};
    for (int u = 0; u < 27; ++u) {
        const Cells at = g.inUnit(u, d);
        if (at.count() != 2) continue;
        const int a = at.first();
        Cells rest = at;
        rest.remove(a);
        links[a].add(rest.first());
        links[rest.first()].add(a);
    }
    for (int s = 0; s < 81; ++s) {
        if (links[s].empty() || col.cluster[s] >= 0) continue;
        const int id = static_cast<int>(col.sides.size());
        col.sides.push_back({});
        std::vector<int> stack = {s};
        col.cluster[s] = id;
        col.colour[s] = 0;
        while (!stack.empty()) {
            const int c = stack.back();
            stack.pop_back();
            col.sides[id][col.colour[c]].add(c);
            links[c].each([&](int n) {
                if (col.cluster[n] >= 0) return;
                col.cluster[n] = id;
                col.colour[n] = 1 - col.colour[c];
                stack.push_back(n);
            });
        }
    }
    return col;
}

// The cells that see some cell of `cells`.
Cells seenBySome(const Cells& cells) {
    Cells s;
    cells.each([&](int c) { s |= geo().peers[c]; });
    return s;
}

std::string coloursText(int d, const std::array<Cells, 2>& side) {
    return "the conjugate pairs of " + digitName(d) + " colour " + cellList(side[0]) +
           " one way and " + cellList(side[1]) + " the other";
}

} // namespace

bool simpleColouring(const Grid& g, LadderStep& step) {
    for (int d = 0; d < 9; ++d) {
        const Colouring col = colourDigit(g, d);
        for (const auto& side : col.sides) {
            // Wrap: two cells of one colour see each other, so that colour is false.
            for (int k = 0; k < 2; ++k) {
                bool clash = false;
                side[k].each([&](int c) { clash |= !(geo().peers[c] & side[k]).empty(); });
                if (!clash) continue;
                eliminateAll(g, step, side[k], d);
                step.pattern = side[1 - k];
                step.sentence = "Simple Colouring: " + coloursText(d, side) + ";\r\ntwo cells of " +
                                cellList(side[k]) + " see each other, so that colour fails, " +
                                removalsText(step);
                return true;
            }
            // Trap: a cell seeing both colours.
            const Cells both = seenBySome(side[0]) & seenBySome(side[1]);
            if (!eliminateAll(g, step, both.minus(side[0] | side[1]), d)) continue;
            step.pattern = side[0] | side[1];
            step.sentence = "Simple Colouring: " + coloursText(d, side) +
                            ";\r\none colour holds the " + digitName(d) + ", " + removalsText(step);
            return true;
        }
    }
    return false;
}

bool multiColouring(const Grid& g, LadderStep& step) {
    for (int d = 0; d < 9; ++d) {
        const Colouring col = colourDigit(g, d);
        const int n = static_cast<int>(col.sides.size());
        for (int a = 0; a < n; ++a) {
            for (int b = 0; b < n; ++b) {
                if (a == b) continue;
                for (int ka = 0; ka < 2; ++ka) {
                    for (int kb = 0; kb < 2; ++kb) {
                        // Colour ka of a sees colour kb of b: one of the other two holds d.
                        if ((seenBySome(col.sides[a][ka]) & col.sides[b][kb]).empty()) continue;
                        const Cells& pa = col.sides[a][1 - ka];
                        const Cells& pb = col.sides[b][1 - kb];
                        const Cells lose = (seenBySome(pa) & seenBySome(pb)).minus(pa | pb);
                        if (!eliminateAll(g, step, lose, d)) continue;
                        step.pattern =
                            col.sides[a][0] | col.sides[a][1] | col.sides[b][0] | col.sides[b][1];
                        step.sentence = "Multi Colouring on " + digitName(d) + ": " +
                                        cellList(col.sides[a][ka]) + " sees " +
                                        cellList(col.sides[b][kb]) + ", so the " + digitName(d) +
                                        " is in " + cellList(pa) + " or in " + cellList(pb) +
                                        ",\r\n" + removalsText(step);
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

namespace {

// A unit's two places for digit d, or false.
bool conjugate(const Grid& g, int u, int d, int& a, int& b) {
    const Cells at = g.inUnit(u, d);
    if (at.count() != 2) return false;
    a = at.first();
    Cells rest = at;
    rest.remove(a);
    b = rest.first();
    return true;
}

bool reportTwoLinks(const Grid& g, LadderStep& step, int d, int u1, int u2, int end1, int end2,
                    const Cells& pattern, TechniqueId technique) {
    if (!eliminateAll(g, step, seenByBoth(end1, end2), d)) return false;
    step.technique = technique;
    step.pattern = pattern;
    step.sentence = std::string(techniqueInfo(technique).name) + " on " + digitName(d) + ": " +
                    unitName(u1) + " and " + unitName(u2) + " hold the " + digitName(d) +
                    " in two places each, linked so that one of " + cellName(end1) + ", " +
                    cellName(end2) + " must be " + digitName(d) + ",\r\n" + removalsText(step);
    return true;
}

} // namespace

namespace {

// Skyscraper: two parallel lines with two places each, one end of each in a
// common cross line. Two-string kite: a row and a column, one end of each in
// a common box.
bool twoLinkPattern(const Grid& g, LadderStep& step) {
    for (int d = 0; d < 9; ++d) {
        for (int u1 = 0; u1 < 18; ++u1) {
            int a1, b1;
            if (!conjugate(g, u1, d, a1, b1)) continue;
            for (int u2 = u1 + 1; u2 < 18; ++u2) {
                int a2, b2;
                if (!conjugate(g, u2, d, a2, b2)) continue;
                const Cells pattern = Cells::of(a1) | Cells::of(b1) | Cells::of(a2) | Cells::of(b2);
                if (pattern.count() != 4) continue;
                const bool parallel = (u1 < 9) == (u2 < 9);
                const std::array<std::array<int, 2>, 2> ends1 = {{{a1, b1}, {b1, a1}}};
                const std::array<std::array<int, 2>, 2> ends2 = {{{a2, b2}, {b2, a2}}};
                for (const auto& e1 : ends1) {
                    for (const auto& e2 : ends2) {
                        // e1[0] and e2[0] are linked (see each other), e1[1], e2[1] the free ends.
                        if (!geo().peers[e1[0]].has(e2[0])) continue;
                        const bool crossLine = parallel && (u1 < 9 ? colOf(e1[0]) == colOf(e2[0])
                                                                   : rowOf(e1[0]) == rowOf(e2[0]));
                        const bool sharedBox = !parallel && boxOf(e1[0]) == boxOf(e2[0]) &&
                                               boxOf(e1[1]) != boxOf(e1[0]) &&
                                               boxOf(e2[1]) != boxOf(e2[0]);
                        if (!crossLine && !sharedBox) continue;
                        if (reportTwoLinks(g, step, d, u1, u2, e1[1], e2[1], pattern,
                                           crossLine ? kSkyscraper : kTwoStringKite)) {
                            return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

// Empty rectangle: a box whose places lie on one row and one column of it,
// and a line with two places, one on that row (column).
bool emptyRectangle(const Grid& g, LadderStep& step) {
    for (int d = 0; d < 9; ++d) {
        for (int box = 0; box < 9; ++box) {
            const Cells places = g.inUnit(18 + box, d);
            if (places.count() < 2) continue;
            for (int r = 3 * (box / 3); r < 3 * (box / 3) + 3; ++r) {
                for (int c = 3 * (box % 3); c < 3 * (box % 3) + 3; ++c) {
                    const Cells row = geo().unitSet[r], col = geo().unitSet[9 + c];
                    if (!places.minus(row | col).empty() || places.minus(row).empty() ||
                        places.minus(col).empty()) {
                        continue;
                    }
                    // A column (then a row) outside the box with two places, one
                    // on row r (column c): its other place's row (column) meets
                    // column c (row r) at the target.
                    for (int k = 0; k < 18; ++k) {
                        const int u = (k + 9) % 18;
                        const bool column = u >= 9;
                        if (column ? u % 9 / 3 == box % 3 : u / 3 == box / 3) continue;
                        int a, b;
                        if (!conjugate(g, u, d, a, b)) continue;
                        const auto onCross = [&](int cell) {
                            return column ? rowOf(cell) == r : colOf(cell) == c;
                        };
                        const int near = onCross(a) ? a : onCross(b) ? b : -1;
                        if (near < 0) continue;
                        const int far = near == a ? b : a;
                        if (column ? rowOf(far) / 3 == box / 3 : colOf(far) / 3 == box % 3)
                            continue;
                        const int target = column ? 9 * rowOf(far) + c : 9 * r + colOf(far);
                        if (!g.has(target, d)) continue;
                        step.eliminate(target, d);
                        step.technique = kEmptyRectangle;
                        step.pattern = places | Cells::of(a) | Cells::of(b);
                        step.sentence = "Empty Rectangle on " + digitName(d) + ": in " +
                                        unitName(18 + box) + " the " + digitName(d) +
                                        " lies on row " + static_cast<char>('A' + r) +
                                        " or column " + static_cast<char>('1' + c) + ", and " +
                                        unitName(u) + " has it only in " + cellName(a) + ", " +
                                        cellName(b) + ",\r\n" + removalsText(step);
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

} // namespace

bool singleDigitPattern(const Grid& g, LadderStep& step) {
    return twoLinkPattern(g, step) || emptyRectangle(g, step);
}

} // namespace velmar::ladder
