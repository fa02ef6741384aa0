// SPDX-License-Identifier: GPL-3.0-or-later
// What follows from one assumption: the facts "cell is digit" (on) and "cell
// is not digit" (off) that it forces, each with the facts that force it, up
// to a contradiction or until nothing more follows. Chains follow only the
// links of the starting grid (a pair cell, a digit twice in a unit); nets
// follow singles on the grid as the facts change it; nested nets also
// remove a candidate when assuming it fails by a shallower net.
#pragma once

#include "hints/ladder/ladder_grid.h"

#include <array>
#include <string>
#include <vector>

namespace velmar::ladder {

// A fact: (cell * 9 + digit) * 2 + (1 for on, 0 for off).
constexpr int factOf(int cell, int d, bool on) {
    return (cell * 9 + d) * 2 + (on ? 1 : 0);
}
constexpr int factCell(int f) {
    return f / 18;
}
constexpr int factDigit(int f) {
    return (f / 2) % 9;
}
constexpr bool factOn(int f) {
    return f & 1;
}
constexpr int kFactCount = 81 * 9 * 2;

std::string factName(int f); // "C7=4" or "C7≠4"

enum class Links { Chain, Net };

// What an assumption led to, kept apart from its propagation so that the
// forcing searches can compare branches without running them again.
struct Outcome {
    bool contradiction = false;
    std::vector<int> derived; // facts in the order they followed
    std::array<Mask, 81> cand{};
    std::array<std::uint8_t, 81> value{}; // d + 1 when on
    // Whether the fact followed (an "on" fact: or was assumed).
    bool holds(const Grid& start, int fact) const;
};

class Propagation {
  public:
    // `depth` > 0 lets a net remove a candidate whose assumption fails by a
    // net of depth - 1. `record` keeps why each fact follows (for sentences).
    Propagation(const Grid& start, Links links, int depth, bool record);
    Propagation(const Propagation& other);
    Propagation& operator=(const Propagation&) = delete;
    ~Propagation();

    // Assumes the fact and follows it. True when it ends in a contradiction.
    bool assume(int fact);

    bool contradiction() const { return contradiction_; }

    // The trials a nested net may still make on this thread. Each trial
    // inside a nested net spends one; once none are left, trials find
    // nothing, so a position without one solution (where nets find little)
    // cannot hold a step up for long.
    static void setTrialBudget(long trials);
    static bool trialBudgetSpent();
    // Whether the fact followed (or, for an "on" fact, the assumption made it).
    bool holds(int fact) const;
    Outcome outcome() const;
    // Facts derived, in the order they followed (the assumption first).
    const std::vector<int>& derived() const { return derived_; }
    // The links from the assumption to `fact` (or to the contradiction when
    // fact is -1), written "C7=4 → C2≠4 → ...". `links` counts them; the
    // cells they name are added to `cells` when given. Only facts that
    // followed after the `after`-th are written (a nested part alone).
    std::string explain(int fact, int& links, Cells* cells = nullptr, int after = 0) const;

  private:
    struct State {
        std::array<Mask, 81> cand{};
        std::array<std::uint8_t, 81> value{}; // d + 1 when on
        std::array<Cells, 9> where{};
        std::array<Mask, 27> settled{}; // digits on (or given) in each unit
    };

    // Why each fact holds; kept only when recording.
    struct Facts {
        std::array<int, kFactCount> order{};
        std::array<int, kFactCount> causeBegin{};
        std::array<std::uint8_t, kFactCount> causeCount{};
        std::array<int, kFactCount> note{}; // 0, or 1 + index of a nested explanation
        std::vector<int> causes;
        std::vector<std::string> notes;
        std::vector<int> noteLinks;
        int counter = 0;
    };

    // A light copy of `outer`'s state for testing one assumption inside it.
    Propagation(const Propagation& outer, int depth);

    void deriveOn(int cell, int d, const int* causes, int count);
    void deriveOff(int cell, int d, const int* causes, int count);
    void record(int fact, const int* causes, int count);
    void contradict(const int* causes, int count, std::string what);
    void run();
    void processOn(int cell, int d);
    void processOff(int cell, int d);
    bool nestedRound();
    void ancestors(int fact, std::vector<char>& seen, std::vector<int>& out) const;

    const Grid& start_;
    Links links_;
    int depth_;
    bool record_;
    State s_;
    Facts* facts_ = nullptr; // owned; null unless recording
    std::vector<int> derived_;
    std::array<int, kFactCount> queue_; // every fact is queued at most once
    int head_ = 0;
    int tail_ = 0;
    bool contradiction_ = false;
    std::vector<int> contradictionCauses_;
    std::string contradictionText_;
};

} // namespace velmar::ladder
