// SPDX-License-Identifier: GPL-3.0-or-later
// Alternating inference chains: from "a candidate is false" through strong
// links (then the next is true) and weak links (then the next is false) to
// "another candidate is true", so one of the two ends holds. X-chains use
// one digit's links in units, XY-chains pair cells joined by a digit, and
// AICs mix both. X-chains and AICs also use grouped nodes: the two or three
// places of a digit where a box meets a line, taken together.
#include "hints/ladder/ladder_searches.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace velmar::ladder {

namespace {

enum class Kind { X, XY, Any };

constexpr int kCandidates = 81 * 9; // nodes below this are one cell's digit

struct Node {
    int digit;
    Cells cells;
    Cells seenByAll; // cells seeing every cell of the node (none of them)
};

// Links as one list per kind, indexed by their first node once built.
struct Links {
    std::vector<std::pair<int, int>> pairs;
    std::vector<int> start, to;

    void add(int a, int b) { pairs.push_back({a, b}); }
    void index(int count) {
        std::sort(pairs.begin(), pairs.end());
        start.assign(count + 1, 0);
        for (const auto& p : pairs) ++start[p.first + 1];
        for (int n = 0; n < count; ++n) start[n + 1] += start[n];
        to.clear();
        for (const auto& p : pairs) to.push_back(p.second);
    }
    template <typename F> void each(int n, F f) const {
        for (int i = start[n]; i < start[n + 1]; ++i) f(to[i]);
    }
    bool any(int n) const { return start[n] < start[n + 1]; }
};

struct Graph {
    std::vector<Node> nodes;
    Links strong;
    Links weak;

    int add(int digit, const Cells& cells) {
        Node n{digit, cells, {}};
        bool first = true;
        cells.each([&](int c) {
            n.seenByAll = first ? geometry().peers[c] : n.seenByAll & geometry().peers[c];
            first = false;
        });
        n.seenByAll = n.seenByAll.minus(cells);
        nodes.push_back(n);
        return static_cast<int>(nodes.size()) - 1;
    }
};

bool sees(const Node& a, const Node& b) {
    return a.digit == b.digit && (a.cells & b.cells).empty() && b.cells.minus(a.seenByAll).empty();
}

void link(Links& links, int a, int b) {
    links.add(a, b);
    links.add(b, a);
}

// The links of every kind of chain; each search keeps the ones it may use.
void buildGraph(const Grid& g, Graph& gr) {
    const Geometry& geo = geometry();
    // Candidate nodes first, at cell * 9 + digit (absent ones stay unlinked),
    // then the groups, listed per digit and per unit they lie in.
    for (int n = 0; n < kCandidates; ++n) gr.add(n % 9, Cells::of(n / 9));
    std::array<std::vector<int>, 9> groupsOf;
    std::array<std::array<std::vector<int>, 9>, 27> groupsIn;
    for (int d = 0; d < 9; ++d) {
        for (int box = 18; box < 27; ++box) {
            for (int line = 0; line < 18; ++line) {
                const Cells part = g.inUnit(box, d) & geo.unitSet[line];
                if (part.count() < 2) continue;
                const int id = gr.add(d, part);
                groupsOf[d].push_back(id);
                groupsIn[box][d].push_back(id);
                groupsIn[line][d].push_back(id);
            }
        }
    }
    for (int d = 0; d < 9; ++d) {
        // Strong: two nodes hold all of d's places in a unit.
        for (int u = 0; u < 27; ++u) {
            const Cells places = g.inUnit(u, d);
            if (places.count() == 2) {
                Cells rest = places;
                rest.remove(places.first());
                link(gr.strong, places.first() * 9 + d, rest.first() * 9 + d);
            }
            for (int a : groupsIn[u][d]) {
                const Cells rest = places.minus(gr.nodes[a].cells);
                if (rest.count() == 1) link(gr.strong, a, rest.first() * 9 + d);
                for (int b : groupsIn[u][d]) {
                    if (a < b && gr.nodes[b].cells == rest) link(gr.strong, a, b);
                }
            }
        }
        // Weak: every cell of one sees every cell of the other.
        g.where[d].each([&](int c) {
            const int n = c * 9 + d;
            (g.where[d] & geo.peers[c]).each([&](int p) { gr.weak.add(n, p * 9 + d); });
            for (int m : groupsOf[d]) {
                if (gr.nodes[m].seenByAll.has(c)) link(gr.weak, n, m);
            }
        });
        for (int a : groupsOf[d]) {
            for (int b : groupsOf[d]) {
                if (a < b && sees(gr.nodes[a], gr.nodes[b])) link(gr.weak, a, b);
            }
        }
    }
    for (int c = 0; c < 81; ++c) {
        for (unsigned m = g.cand[c]; m; m &= m - 1) {
            const int d = lowest(m), n = c * 9 + d;
            if (popcount(g.cand[c]) == 2) gr.strong.add(n, c * 9 + lowest(g.cand[c] & ~(1u << d)));
            for (unsigned o = g.cand[c] & ~(1u << d); o; o &= o - 1)
                gr.weak.add(n, c * 9 + lowest(o));
        }
    }
    gr.strong.index(static_cast<int>(gr.nodes.size()));
    gr.weak.index(static_cast<int>(gr.nodes.size()));
}

// What "one of s, t holds" removes.
void endEliminations(const Grid& g, const Graph& gr, int s, int t, LadderStep& step) {
    const Node& a = gr.nodes[s];
    const Node& b = gr.nodes[t];
    if (a.digit == b.digit) {
        (a.seenByAll & b.seenByAll & g.where[a.digit]).each([&](int c) {
            step.eliminate(c, a.digit);
        });
        return;
    }
    if (s >= kCandidates || t >= kCandidates) return;
    const int c1 = s / 9, c2 = t / 9;
    if (c1 == c2) {
        for (unsigned m = g.cand[c1] & ~(1u << a.digit) & ~(1u << b.digit); m; m &= m - 1) {
            step.eliminate(c1, lowest(m));
        }
    } else if (geometry().peers[c1].has(c2)) {
        if (g.has(c2, a.digit)) step.eliminate(c2, a.digit);
        if (g.has(c1, b.digit)) step.eliminate(c1, b.digit);
    }
}

std::string nodeName(const Node& n, bool on) {
    std::string cells;
    n.cells.each([&](int c) {
        if (!cells.empty()) cells += ' ';
        cells += cellName(c);
    });
    if (n.cells.count() > 1) cells = "(" + cells + ")";
    return cells + (on ? "=" : "≠") + static_cast<char>('1' + n.digit);
}

// Whether a chain of this kind may follow the link from n to m.
bool allowed(const Grid& g, const Graph& gr, Kind kind, int n, int m, bool strong) {
    if (kind == Kind::Any) return true;
    const Node& a = gr.nodes[n];
    const Node& b = gr.nodes[m];
    if (kind == Kind::X) return a.digit == b.digit;
    // XY: strong inside a pair cell, weak between pair cells on one digit.
    if (n >= kCandidates || m >= kCandidates) return false;
    if (strong) return n / 9 == m / 9;
    return a.digit == b.digit && popcount(g.cand[m / 9]) == 2;
}

// One graph per grid, shared by the three chain searches.
const Graph& graphOf(const Grid& g) {
    static thread_local std::unique_ptr<Graph> graph;
    static thread_local Grid built;
    if (!graph || built.cand != g.cand || built.value != g.value) {
        graph = std::make_unique<Graph>();
        buildGraph(g, *graph);
        built = g;
    }
    return *graph;
}

// The shortest chain that removes something, over every start.
bool findChain(const Grid& g, LadderStep& step, Kind kind) {
    const Graph* gr = &graphOf(g);
    const int count = static_cast<int>(gr->nodes.size());
    // State: node * 2 + (1 when the node is true).
    std::vector<int> parent(2 * count), seenAt(2 * count, -1);
    std::vector<int> bestPath;
    int bestLen = 1 << 30;
    LadderStep best;
    std::vector<int> frontier, next;
    for (int s = 0; s < count; ++s) {
        bool starts = false;
        gr->strong.each(s, [&](int m) { starts = starts || allowed(g, *gr, kind, s, m, true); });
        if (!starts) continue;
        frontier.assign(1, 2 * s);
        seenAt[2 * s] = s;
        parent[2 * s] = -1;
        for (int len = 1; !frontier.empty() && len + 1 < bestLen && len < 40; ++len) {
            next.clear();
            for (int state : frontier) {
                const int n = state / 2;
                const bool on = state & 1;
                (on ? gr->weak : gr->strong).each(n, [&](int m) {
                    const int to = 2 * m + (on ? 0 : 1);
                    if (seenAt[to] == s || !allowed(g, *gr, kind, n, m, !on)) return;
                    seenAt[to] = s;
                    parent[to] = state;
                    next.push_back(to);
                    if (on || m == s) return;
                    // X- and XY-chains end on the start digit.
                    if (kind != Kind::Any && gr->nodes[m].digit != gr->nodes[s].digit) return;
                    LadderStep trial;
                    endEliminations(g, *gr, s, m, trial);
                    if (trial.eliminations.empty()) return;
                    std::vector<int> path;
                    for (int x = to; x >= 0; x = parent[x]) path.push_back(x);
                    if (static_cast<int>(path.size()) >= bestLen) return;
                    bestLen = static_cast<int>(path.size());
                    bestPath.assign(path.rbegin(), path.rend());
                    best = trial;
                });
            }
            frontier.swap(next);
        }
    }
    if (bestPath.empty()) return false;
    std::string text;
    for (int state : bestPath) {
        if (!text.empty()) text += " → ";
        const Node& n = gr->nodes[state / 2];
        text += nodeName(n, state & 1);
        step.pattern |= n.cells;
    }
    step.eliminations = best.eliminations;
    step.targets = best.targets;
    const Node& s = gr->nodes[bestPath.front() / 2];
    const Node& t = gr->nodes[bestPath.back() / 2];
    step.difficulty = techniqueInfo(step.technique).difficulty + lengthBonus(bestLen);
    step.sentence = std::string(techniqueInfo(step.technique).name) + ": " + text + ",\r\nso " +
                    nodeName(s, true) + " or " + nodeName(t, true) + ", " + removalsText(step);
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
