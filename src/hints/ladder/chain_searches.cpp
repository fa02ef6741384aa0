// SPDX-License-Identifier: GPL-3.0-or-later
// Alternating inference chains: from "a candidate is false" through strong
// links (then the next is true) and weak links (then the next is false) to
// "another candidate is true", so one of the two ends holds. X-chains use
// one digit's links in units, XY-chains pair cells joined by a digit, and
// AICs mix both.
#include "hints/ladder/ladder_searches.h"
#include "hints/ladder/propagation.h"

#include <array>
#include <memory>
#include <vector>

namespace velmar::ladder {

namespace {

enum class Kind { X, XY, Any };

constexpr int kNodes = 81 * 9;
int nodeOf(int cell, int d) {
    return cell * 9 + d;
}

struct Graph {
    std::array<std::vector<int>, kNodes> strong;
    std::array<std::vector<int>, kNodes> weak;
    std::vector<int> nodes;
};

void buildGraph(const Grid& g, Kind kind, Graph& gr) {
    const Geometry& geo = geometry();
    for (int c = 0; c < 81; ++c) {
        for (unsigned m = g.cand[c]; m; m &= m - 1) {
            const int d = lowest(m), n = nodeOf(c, d);
            gr.nodes.push_back(n);
            if (kind != Kind::X && popcount(g.cand[c]) == 2) {
                gr.strong[n].push_back(nodeOf(c, lowest(g.cand[c] & ~(1u << d))));
            }
            if (kind != Kind::XY) {
                for (int u : geo.unitsOf[c]) {
                    const Cells at = g.inUnit(u, d);
                    if (at.count() != 2) continue;
                    Cells other = at;
                    other.remove(c);
                    gr.strong[n].push_back(nodeOf(other.first(), d));
                }
            }
            (g.where[d] & geo.peers[c]).each([&](int p) {
                if (kind != Kind::XY || popcount(g.cand[p]) == 2)
                    gr.weak[n].push_back(nodeOf(p, d));
            });
            if (kind == Kind::Any) {
                for (unsigned o = g.cand[c] & ~(1u << d); o; o &= o - 1) {
                    gr.weak[n].push_back(nodeOf(c, lowest(o)));
                }
            }
        }
    }
}

// What "one of s, t holds" removes.
void endEliminations(const Grid& g, int s, int t, LadderStep& step) {
    const Geometry& geo = geometry();
    const int c1 = s / 9, d1 = s % 9, c2 = t / 9, d2 = t % 9;
    if (d1 == d2 && c1 != c2) {
        Cells both = geo.peers[c1] & geo.peers[c2] & g.where[d1];
        both.each([&](int c) { step.eliminate(c, d1); });
    } else if (c1 == c2 && d1 != d2) {
        for (unsigned m = g.cand[c1] & ~(1u << d1) & ~(1u << d2); m; m &= m - 1) {
            step.eliminate(c1, lowest(m));
        }
    } else if (c1 != c2 && geo.peers[c1].has(c2)) {
        if (g.has(c2, d1)) step.eliminate(c2, d1);
        if (g.has(c1, d2)) step.eliminate(c1, d2);
    }
}

// The shortest chain that removes something, over every start.
bool findChain(const Grid& g, LadderStep& step, Kind kind) {
    auto gr = std::make_unique<Graph>();
    buildGraph(g, kind, *gr);
    // State: node * 2 + (1 when the node is true).
    std::vector<int> parent(2 * kNodes), seenAt(2 * kNodes, -1);
    std::vector<int> bestPath;
    int bestLen = 1 << 30;
    LadderStep best;
    std::vector<int> frontier, next;
    for (int s : gr->nodes) {
        if (gr->strong[s].empty()) continue;
        frontier.assign(1, 2 * s);
        seenAt[2 * s] = s;
        parent[2 * s] = -1;
        for (int len = 1; !frontier.empty() && len + 1 < bestLen && len < 40; ++len) {
            next.clear();
            for (int state : frontier) {
                const int n = state / 2;
                const bool on = state & 1;
                for (int m : on ? gr->weak[n] : gr->strong[n]) {
                    const int to = 2 * m + (on ? 0 : 1);
                    if (seenAt[to] == s) continue;
                    seenAt[to] = s;
                    parent[to] = state;
                    next.push_back(to);
                    if (on || m == s) continue;
                    if (kind == Kind::X || kind == Kind::XY) {
                        if (m % 9 != s % 9) continue; // these chains end on the start digit
                    }
                    LadderStep trial;
                    trial.technique = step.technique;
                    endEliminations(g, s, m, trial);
                    if (trial.eliminations.empty()) continue;
                    std::vector<int> path;
                    for (int x = to; x >= 0; x = parent[x]) path.push_back(x);
                    if (static_cast<int>(path.size()) >= bestLen) continue;
                    bestLen = static_cast<int>(path.size());
                    bestPath.assign(path.rbegin(), path.rend());
                    best = trial;
                }
            }
            frontier.swap(next);
        }
    }
    if (bestPath.empty()) return false;
    std::string text;
    for (int state : bestPath) {
        if (!text.empty()) text += " → ";
        text += factName(factOf(state / 18, (state / 2) % 9, state & 1));
        step.pattern.add(state / 18);
    }
    step.eliminations = best.eliminations;
    step.targets = best.targets;
    const int s = bestPath.front() / 2, t = bestPath.back() / 2;
    step.difficulty = techniqueInfo(step.technique).difficulty + lengthBonus(bestLen);
    step.sentence = std::string(techniqueInfo(step.technique).name) + ": " + text + ",\r\nso " +
                    candidateName(s / 9, s % 9) + " or " + candidateName(t / 9, t % 9) + ", " +
                    removalsText(step);
    return true;
}

} // namespace

bool xChain(const Grid& g, LadderStep& step) {
    return findChain(g, step, Kind::X);
}

bool xyChain(const Grid& g, LadderStep& step) {
    return findChain(g, step, Kind::XY);
}

bool alternatingChain(const Grid& g, LadderStep& step) {
    return findChain(g, step, Kind::Any);
}

} // namespace velmar::ladder
