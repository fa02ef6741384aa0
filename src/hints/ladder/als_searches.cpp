// SPDX-License-Identifier: GPL-3.0-or-later
// Almost locked sets: n cells of one unit holding n + 1 digits. Two of them
// that share a digit x whose places all see each other (x is in at most one
// of them) lock each other: then a second common digit z is in one of them,
// and a cell seeing every z of both loses z (ALS-XZ). A third set linked to
// both by different digits does the same for the other two (ALS-XY-Wing).
// Sue de Coq splits the meeting of a box and a line between the rest of
// the line and the rest of the box.
#include "hints/ladder/ladder_searches.h"

#include <algorithm>
#include <vector>

namespace velmar::ladder {

namespace {

struct Als {
    Cells cells;
    Mask digits = 0;
    int unit = 0;
    std::array<Cells, 9> of{};   // its cells holding each digit
    std::array<Cells, 9> seen{}; // the cells seeing all of those
};

constexpr int kMostCells = 4;

// The next larger number with as many bits set as v (v not 0).
unsigned nextSubset(unsigned v) {
    const unsigned t = v | (v - 1);
    return (t + 1) | (((~t & (t + 1)) - 1) >> (lowest(v) + 1));
}

// Every set of at most `most` cells, once: a pair cell is taken from its
// row, a set inside one box from the box.
std::vector<Als> findAlmostLockedSets(const Grid& g, int most = kMostCells) {
    const Geometry& geo = geometry();
    std::vector<Als> sets;
    for (int u = 0; u < 27; ++u) {
        std::array<int, 9> open{};
        int n = 0;
        for (int c : geo.unitCells[u]) {
            if (g.value[c] == 0) open[n++] = c;
        }
        // Every subset of the open cells of at most `most` cells, by size
        // (the next subset of the same size by Gosper's rule).
        for (int size = 1; size <= std::min(most, n); ++size) {
            for (unsigned pick = (1u << size) - 1; pick < (1u << n); pick = nextSubset(pick)) {
                Als a;
                a.unit = u;
                for (unsigned m = pick; m; m &= m - 1) {
                    const int c = open[lowest(m)];
                    a.cells.add(c);
                    a.digits |= g.cand[c];
                }
                if (popcount(a.digits) != size + 1) continue;
                if (size == 1
                        ? u >= 9
                        : u < 18 &&
                              a.cells.minus(geo.unitSet[18 + boxOf(a.cells.first())]).empty()) {
                    continue;
                }
                for (unsigned m = a.digits; m; m &= m - 1) {
                    const int d = lowest(m);
                    a.of[d] = a.cells & g.where[d];
                    Cells seen = geo.peers[a.of[d].first()];
                    a.of[d].each([&](int c) { seen &= geo.peers[c]; });
                    a.seen[d] = seen.minus(a.cells);
                }
                sets.push_back(a);
            }
        }
    }
    std::stable_sort(sets.begin(), sets.end(),
                     [](const Als& a, const Als& b) { return a.cells.count() < b.cells.count(); });
    return sets;
}

// Digits x of both whose places in the two sets all see each other.
Mask restrictedCommon(const Als& a, const Als& b) {
    Mask rcc = 0;
    for (unsigned m = a.digits & b.digits; m; m &= m - 1) {
        const int x = lowest(m);
        if ((b.of[x].minus(a.seen[x])).empty()) rcc |= static_cast<Mask>(1u << x);
    }
    return rcc;
}

std::string alsText(const Als& a) {
    return cellList(a.cells) + " (" + digitList(a.digits) + ")";
}

// What "z is in a or in b" removes, outside both.
bool removeCommon(const Grid& g, const Als& a, const Als& b, int z, LadderStep& step) {
    (g.where[z] & a.seen[z] & b.seen[z]).minus(a.cells | b.cells).each([&](int c) {
        step.eliminate(c, z);
    });
    return !step.eliminations.empty();
}

} // namespace

namespace {

// ALS-XZ with the smaller set at most `smallest` cells and the larger at
// most `largest`: the pair with the fewest cells that removes something.
bool alsPair(const Grid& g, LadderStep& step, int smallest, int largest) {
    const std::vector<Als> sets = findAlmostLockedSets(g, largest);
    int bestTotal = smallest + largest + 1;
    LadderStep best;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const Als& a = sets[i];
        if (a.cells.count() > smallest || 2 * a.cells.count() >= bestTotal) break;
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            const Als& b = sets[j];
            const int total = a.cells.count() + b.cells.count();
            if (total >= bestTotal) break; // sorted by size
            if (popcount(a.digits & b.digits) < 2 || !(a.cells & b.cells).empty()) continue;
            const Mask rcc = restrictedCommon(a, b);
            for (unsigned xm = rcc; xm && total < bestTotal; xm &= xm - 1) {
                const int x = lowest(xm);
                for (unsigned zm = a.digits & b.digits & ~(1u << x); zm; zm &= zm - 1) {
                    const int z = lowest(zm);
                    LadderStep trial;
                    trial.technique = step.technique;
                    if (!removeCommon(g, a, b, z, trial)) continue;
                    trial.pattern = a.cells | b.cells;
                    trial.sentence = std::string(techniqueInfo(step.technique).name) + ": " +
                                     alsText(a) + " and " + alsText(b) +
                                     " are almost locked sets; the " + static_cast<char>('1' + x) +
                                     " can be in only one of them, so one holds the " +
                                     static_cast<char>('1' + z) + ",\r\n" + removalsText(trial);
                    best = trial;
                    bestTotal = total;
                    break;
                }
            }
        }
    }
    if (best.eliminations.empty()) return false;
    step = best;
    return true;
}

} // namespace

bool wxyzWing(const Grid& g, LadderStep& step) {
    return alsPair(g, step, 1, 3);
}

bool alsXz(const Grid& g, LadderStep& step) {
    return alsPair(g, step, kMostCells, kMostCells);
}

bool alsXyWing(const Grid& g, LadderStep& step) {
    const std::vector<Als> sets = findAlmostLockedSets(g);
    const int n = static_cast<int>(sets.size());
    for (int k = 0; k < n; ++k) {
        const Als& pivot = sets[k];
        std::vector<std::pair<int, Mask>> linked;
        for (int i = 0; i < n; ++i) {
            if (i == k || !(sets[i].cells & pivot.cells).empty()) continue;
            const Mask rcc = restrictedCommon(pivot, sets[i]);
            if (rcc) linked.push_back({i, rcc});
        }
        for (std::size_t p = 0; p < linked.size(); ++p) {
            for (std::size_t q = p + 1; q < linked.size(); ++q) {
                const Als& a = sets[linked[p].first];
                const Als& b = sets[linked[q].first];
                if (!(a.cells & b.cells).empty()) continue;
                for (unsigned xm = linked[p].second; xm; xm &= xm - 1) {
                    for (unsigned ym = linked[q].second & ~(1u << lowest(xm)); ym; ym &= ym - 1) {
                        const int x = lowest(xm), y = lowest(ym);
                        for (unsigned zm = a.digits & b.digits & ~(1u << x) & ~(1u << y); zm;
                             zm &= zm - 1) {
                            const int z = lowest(zm);
                            if (!removeCommon(g, a, b, z, step)) continue;
                            step.pattern = a.cells | b.cells | pivot.cells;
                            step.sentence =
                                "ALS-XY-Wing: " + alsText(pivot) + " is linked to " + alsText(a) +
                                " by the " + static_cast<char>('1' + x) + " and to " + alsText(b) +
                                " by the " + static_cast<char>('1' + y) +
                                "; one of the two holds the " + static_cast<char>('1' + z) +
                                ",\r\n" + removalsText(step);
                            return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

// Sue de Coq: two or three cells where a box meets a line hold n + 2 or
// more digits; a set in the rest of the line and one in the rest of the box,
// with no digit in common, lock all but n of them... in its simplest form:
// the meeting cells C with digits D, a pair cell L in the line with digits
// inside D, a pair cell B in the box with digits inside D, L and B sharing
// nothing, and C holding exactly |C| + 2 digits. Then L's digits leave the
// rest of the line, B's the rest of the box, and the others of D both.
bool sueDeCoq(const Grid& g, LadderStep& step) {
    const Geometry& geo = geometry();
    for (int box = 0; box < 9; ++box) {
        const Cells boxCells = geo.unitSet[18 + box];
        for (int line = 0; line < 18; ++line) {
            const Cells meet = boxCells & geo.unitSet[line];
            if (meet.empty()) continue;
            std::vector<int> open;
            meet.each([&](int c) {
                if (g.value[c] == 0) open.push_back(c);
            });
            if (open.size() < 2) continue;
            for (unsigned pick = 1; pick < (1u << open.size()); ++pick) {
                if (popcount(pick) < 2) continue;
                Cells core;
                Mask digits = 0;
                for (unsigned m = pick; m; m &= m - 1) {
                    core.add(open[lowest(m)]);
                    digits |= g.cand[open[lowest(m)]];
                }
                if (popcount(digits) != core.count() + 2) continue;
                const Cells lineRest = geo.unitSet[line].minus(boxCells);
                const Cells boxRest = boxCells.minus(geo.unitSet[line]);
                bool found = false;
                lineRest.each([&](int l) {
                    if (found || popcount(g.cand[l]) != 2 || (g.cand[l] & ~digits)) return;
                    boxRest.each([&](int b) {
                        if (found || popcount(g.cand[b]) != 2 || (g.cand[b] & ~digits)) return;
                        if (g.cand[l] & g.cand[b]) return;
                        const Mask rest = static_cast<Mask>(digits & ~g.cand[l] & ~g.cand[b]);
                        const Mask lineLose = static_cast<Mask>(g.cand[l] | rest);
                        const Mask boxLose = static_cast<Mask>(g.cand[b] | rest);
                        lineRest.each([&](int c) {
                            if (c == l) return;
                            for (unsigned m = g.cand[c] & lineLose; m; m &= m - 1)
                                step.eliminate(c, lowest(m));
                        });
                        boxRest.each([&](int c) {
                            if (c == b) return;
                            for (unsigned m = g.cand[c] & boxLose; m; m &= m - 1)
                                step.eliminate(c, lowest(m));
                        });
                        if (step.eliminations.empty()) return;
                        step.pattern = core | Cells::of(l) | Cells::of(b);
                        step.sentence = "Sue de Coq: " + cellList(core) + " hold " +
                                        digitList(digits) + "; with " + cellName(l) + " (" +
                                        digitList(g.cand[l]) + ") in " + unitName(line) + " and " +
                                        cellName(b) + " (" + digitList(g.cand[b]) + ") in " +
                                        unitName(18 + box) + " they lock them,\r\n" +
                                        removalsText(step);
                        found = true;
                    });
                });
                if (found) return true;
            }
        }
    }
    return false;
}

} // namespace velmar::ladder
