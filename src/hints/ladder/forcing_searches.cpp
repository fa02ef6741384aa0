// SPDX-License-Identifier: GPL-3.0-or-later
// Forcing chains and nets: an assumption that ends in a contradiction, or
// every candidate of a cell (every place of a digit in a unit) forcing the
// same conclusion. Chains follow the starting grid's links one at a time;
// nets follow singles as the assumption changes the grid; nested nets also
// use shallower nets inside. Each step is written link by link.
#include "hints/ladder/ladder_searches.h"
#include "hints/ladder/propagation.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace velmar::ladder {

namespace {

int capped(int tenths) {
    return std::min(tenths, 119);
}

// The outcome of every assumption "cell is digit" on one grid, made once
// and shared by the contradiction, cell and unit searches of that grid.
struct OutcomeCache {
    Grid grid;
    Links links = Links::Chain;
    bool valid = false;
    std::array<std::optional<Outcome>, 81 * 9> on;
};

const Outcome& assumeOn(const Grid& g, Links links, int cell, int d) {
    static thread_local OutcomeCache caches[2];
    OutcomeCache& cache = caches[links == Links::Chain ? 0 : 1];
    if (!cache.valid || cache.grid.cand != g.cand || cache.grid.value != g.value) {
        cache.grid = g;
        cache.links = links;
        cache.valid = true;
        for (auto& o : cache.on) o.reset();
    }
    std::optional<Outcome>& slot = cache.on[cell * 9 + d];
    if (!slot) {
        Propagation p(g, links, 0, false);
        p.assume(factOf(cell, d, true));
        slot = p.outcome();
    }
    return *slot;
}

// The contradiction reached with the fewest facts among all assumptions
// "cell is digit" (the fewer facts, the shorter its chain).
bool contradiction(const Grid& g, LadderStep& step, Links links) {
    std::size_t fewest = ~std::size_t{0};
    int bestCell = -1, bestDigit = 0;
    for (int c = 0; c < 81; ++c) {
        for (unsigned m = g.cand[c]; m; m &= m - 1) {
            const int d = lowest(m);
            const Outcome& o = assumeOn(g, links, c, d);
            if (!o.contradiction || o.derived.size() >= fewest) continue;
            fewest = o.derived.size();
            bestCell = c;
            bestDigit = d;
        }
    }
    if (bestCell < 0) return false;
    Propagation p(g, links, 0, true);
    p.assume(factOf(bestCell, bestDigit, true));
    int n = 0;
    const std::string text = p.explain(-1, n, &step.pattern);
    step.eliminate(bestCell, bestDigit);
    step.difficulty = capped(techniqueInfo(step.technique).difficulty + lengthBonus(n));
    step.sentence = candidateName(bestCell, bestDigit) + " leads to a contradiction:\r\n" + text +
                    "\r\n" + removalsText(step);
    return true;
}

// A conclusion every branch reaches: the fact and how early the latest
// branch reached it (shorter explanations come first).
struct Common {
    int fact = -1;
    int reach = 1 << 30;
};

// The branches' common conclusion that changes the grid, earliest first.
Common commonConclusion(const Grid& g, const std::vector<const Outcome*>& branches,
                        const Cells& exclude) {
    Common best;
    const std::vector<int>& first = branches.front()->derived;
    for (std::size_t i = 0; i < first.size() && static_cast<int>(i) < best.reach; ++i) {
        const int f = first[i];
        const int c = factCell(f);
        if (exclude.has(c) || g.value[c] != 0) continue;
        if (!factOn(f) && !g.has(c, factDigit(f))) continue;
        bool everywhere = true;
        for (const Outcome* b : branches) everywhere = everywhere && b->holds(g, f);
        if (everywhere) best = {f, static_cast<int>(i)};
    }
    return best;
}

// Reports the common conclusion of the branches started by `starts`.
void reportForcing(LadderStep& step, const std::vector<std::unique_ptr<Propagation>>& branches,
                   const std::vector<int>& starts, int fact, const std::string& opening) {
    const int cell = factCell(fact), d = factDigit(fact);
    std::string lines;
    int total = 0;
    Cells cells;
    for (std::size_t i = 0; i < branches.size(); ++i) {
        int n = 0;
        lines += "\r\n" + branches[i]->explain(fact, n, &cells);
        total += n;
    }
    (void)starts;
    if (factOn(fact)) {
        step.places = true;
        step.placement = {cell, d};
        step.targets = Cells::of(cell);
    } else {
        step.eliminate(cell, d);
    }
    cells.remove(cell);
    step.pattern = cells;
    step.difficulty = capped(techniqueInfo(step.technique).difficulty + lengthBonus(total));
    step.sentence = opening + ", " + factName(fact) + ":" + lines;
}

// The outcomes of the branches from each of `starts`; false when one of
// them fails (a contradiction, which the contradiction search reports instead).
bool outcomes(const Grid& g, Links links, const std::vector<int>& starts,
              std::vector<const Outcome*>& branches) {
    branches.clear();
    for (int f : starts) {
        branches.push_back(&assumeOn(g, links, factCell(f), factDigit(f)));
        if (branches.back()->contradiction) return false;
    }
    return true;
}

// The branches again, keeping why each fact follows.
void runBranches(const Grid& g, Links links, const std::vector<int>& starts,
                 std::vector<std::unique_ptr<Propagation>>& branches) {
    branches.clear();
    for (int f : starts) {
        branches.push_back(std::make_unique<Propagation>(g, links, 0, true));
        branches.back()->assume(f);
    }
}

bool cellForcing(const Grid& g, LadderStep& step, Links links) {
    Common best;
    int bestCell = -1;
    std::vector<std::unique_ptr<Propagation>> branches;
    std::vector<const Outcome*> outcomesOf;
    for (int size = 2; size <= 4 && bestCell < 0; ++size) {
        for (int c = 0; c < 81; ++c) {
            if (g.value[c] != 0 || popcount(g.cand[c]) != size) continue;
            std::vector<int> starts;
            for (unsigned m = g.cand[c]; m; m &= m - 1)
                starts.push_back(factOf(c, lowest(m), true));
            if (!outcomes(g, links, starts, outcomesOf)) continue;
            const Common found = commonConclusion(g, outcomesOf, Cells::of(c));
            if (found.fact >= 0 && found.reach < best.reach) {
                best = found;
                bestCell = c;
            }
        }
    }
    if (bestCell < 0) return false;
    std::vector<int> starts;
    for (unsigned m = g.cand[bestCell]; m; m &= m - 1)
        starts.push_back(factOf(bestCell, lowest(m), true));
    runBranches(g, links, starts, branches);
    reportForcing(step, branches, starts, best.fact,
                  "Whatever " + cellName(bestCell) + " is (" + digitList(g.cand[bestCell]) + ")");
    step.pattern.add(bestCell);
    return true;
}

bool unitForcing(const Grid& g, LadderStep& step, Links links) {
    Common best;
    int bestUnit = -1, bestDigit = 0;
    std::vector<std::unique_ptr<Propagation>> branches;
    std::vector<const Outcome*> outcomesOf;
    for (int size = 2; size <= 4 && bestUnit < 0; ++size) {
        for (int u = 0; u < 27; ++u) {
            for (int d = 0; d < 9; ++d) {
                const Cells at = g.inUnit(u, d);
                if (at.count() != size) continue;
                std::vector<int> starts;
                at.each([&](int c) { starts.push_back(factOf(c, d, true)); });
                if (!outcomes(g, links, starts, outcomesOf)) continue;
                const Common found = commonConclusion(g, outcomesOf, {});
                if (found.fact >= 0 && found.reach < best.reach &&
                    !(factDigit(found.fact) == d && at.has(factCell(found.fact)))) {
                    best = found;
                    bestUnit = u;
                    bestDigit = d;
                }
            }
        }
    }
    if (bestUnit < 0) return false;
    std::vector<int> starts;
    const Cells at = g.inUnit(bestUnit, bestDigit);
    at.each([&](int c) { starts.push_back(factOf(c, bestDigit, true)); });
    runBranches(g, links, starts, branches);
    reportForcing(step, branches, starts, best.fact,
                  "Wherever the " + std::string(1, static_cast<char>('1' + bestDigit)) + " of " +
                      unitName(bestUnit) + " goes (" + cellList(at) + ")");
    step.pattern |= at;
    return true;
}

} // namespace

bool contradictionForcingChain(const Grid& g, LadderStep& step) {
    return contradiction(g, step, Links::Chain);
}

bool cellForcingChain(const Grid& g, LadderStep& step) {
    return cellForcing(g, step, Links::Chain);
}

bool unitForcingChain(const Grid& g, LadderStep& step) {
    return unitForcing(g, step, Links::Chain);
}

bool forcingNet(const Grid& g, LadderStep& step) {
    return contradiction(g, step, Links::Net) || cellForcing(g, step, Links::Net) ||
           unitForcing(g, step, Links::Net);
}

// Assumptions that fail only when the net may use shallower nets inside:
// the first found, trying pair cells first, then deeper nesting. Every known
// puzzle with one solution falls to depth 2; the trial budget bounds the
// search on positions without one solution.
bool nestedForcingNet(const Grid& g, LadderStep& step) {
    constexpr long kTrials = 150000; // a fifth of a second of trials at most
    std::array<int, 81> order{};
    for (int i = 0; i < 81; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return popcount(g.cand[a]) < popcount(g.cand[b]); });
    Propagation::setTrialBudget(kTrials);
    for (int depth = 1; depth <= 3 && !Propagation::trialBudgetSpent(); ++depth) {
        for (int c : order) {
            if (g.value[c] != 0) continue;
            for (unsigned m = g.cand[c]; m && !Propagation::trialBudgetSpent(); m &= m - 1) {
                const int d = lowest(m);
                Propagation trial(g, Links::Net, depth, false);
                if (!trial.assume(factOf(c, d, true)) || Propagation::trialBudgetSpent()) continue;
                // Again with the reasons; the same search, so no budget cut.
                Propagation::setTrialBudget(std::numeric_limits<long>::max());
                Propagation p(g, Links::Net, depth, true);
                p.assume(factOf(c, d, true));
                int n = 0;
                Cells cells;
                const std::string text = p.explain(-1, n, &cells);
                step.eliminate(c, d);
                step.pattern = cells;
                step.difficulty = capped(techniqueInfo(step.technique).difficulty +
                                         5 * (depth - 1) + lengthBonus(n));
                step.sentence = candidateName(c, d) + " leads to a contradiction:\r\n" + text +
                                "\r\n" + removalsText(step);
                return true;
            }
        }
    }
    return false;
}

} // namespace velmar::ladder
