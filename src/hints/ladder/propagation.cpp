// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/ladder/propagation.h"

#include <algorithm>

namespace velmar::ladder {

namespace {
thread_local long trialsLeft = 0;
} // namespace

void Propagation::setTrialBudget(long trials) {
    trialsLeft = trials;
}

bool Propagation::trialBudgetSpent() {
    return trialsLeft < 0;
}

std::string factName(int f) {
    return cellName(factCell(f)) + (factOn(f) ? "=" : "≠") + static_cast<char>('1' + factDigit(f));
}

Propagation::Propagation(const Grid& start, Links links, int depth, bool record)
    : start_(start), links_(links), depth_(depth), record_(record) {
    s_.cand = start.cand;
    s_.where = start.where;
    for (int c = 0; c < 81; ++c) {
        s_.value[c] = static_cast<std::uint8_t>(start.value[c]);
        if (start.value[c] == 0) continue;
        for (int u : geometry().unitsOf[c])
            s_.settled[u] |= static_cast<Mask>(1u << (start.value[c] - 1));
    }
    if (record_) facts_ = new Facts;
}

Propagation::Propagation(const Propagation& other)
    : start_(other.start_), links_(other.links_), depth_(other.depth_), record_(other.record_),
      s_(other.s_), derived_(other.derived_), contradiction_(other.contradiction_),
      contradictionCauses_(other.contradictionCauses_),
      contradictionText_(other.contradictionText_) {
    if (other.facts_) facts_ = new Facts(*other.facts_);
}

Propagation::Propagation(const Propagation& outer, int depth)
    : start_(outer.start_), links_(Links::Net), depth_(depth), record_(false), s_(outer.s_) {}

Propagation::~Propagation() {
    delete facts_;
}

namespace {
bool holdsIn(const Grid& start, const std::array<Mask, 81>& cand,
             const std::array<std::uint8_t, 81>& value, int fact) {
    const int cell = factCell(fact), d = factDigit(fact);
    if (start.value[cell] != 0) return false;
    if (factOn(fact)) return value[cell] == d + 1;
    return start.has(cell, d) && !((cand[cell] >> d) & 1);
}
} // namespace

bool Outcome::holds(const Grid& start, int fact) const {
    return holdsIn(start, cand, value, fact);
}

bool Propagation::holds(int fact) const {
    return holdsIn(start_, s_.cand, s_.value, fact);
}

Outcome Propagation::outcome() const {
    return {contradiction_, derived_, s_.cand, s_.value};
}

bool Propagation::assume(int fact) {
    if (factOn(fact)) {
        deriveOn(factCell(fact), factDigit(fact), nullptr, 0);
    } else {
        deriveOff(factCell(fact), factDigit(fact), nullptr, 0);
    }
    run();
    if (links_ == Links::Net && depth_ > 0) {
        while (!contradiction_ && nestedRound()) run();
    }
    return contradiction_;
}

void Propagation::record(int fact, const int* causes, int count) {
    derived_.push_back(fact);
    if (!facts_) return;
    Facts& f = *facts_;
    f.order[fact] = ++f.counter;
    f.causeBegin[fact] = static_cast<int>(f.causes.size());
    f.causeCount[fact] = static_cast<std::uint8_t>(count);
    f.causes.insert(f.causes.end(), causes, causes + count);
}

void Propagation::contradict(const int* causes, int count, std::string what) {
    contradiction_ = true;
    if (!record_) return;
    contradictionCauses_.assign(causes, causes + count);
    contradictionText_ = std::move(what);
}

void Propagation::deriveOn(int cell, int d, const int* causes, int count) {
    if (contradiction_ || s_.value[cell] == d + 1) return;
    if (s_.value[cell] != 0 || !((s_.cand[cell] >> d) & 1)) {
        if (!record_) return contradict(nullptr, 0, {});
        std::vector<int> all(causes, causes + count);
        std::string what;
        if (s_.value[cell] != 0) {
            const int other = s_.value[cell] - 1;
            if (facts_->order[factOf(cell, other, true)]) all.push_back(factOf(cell, other, true));
            what = cellName(cell) + " would be both " + static_cast<char>('1' + other) + " and " +
                   static_cast<char>('1' + d);
        } else {
            if (facts_->order[factOf(cell, d, false)]) all.push_back(factOf(cell, d, false));
            what = cellName(cell) + " would have to be " + static_cast<char>('1' + d) +
                   " and can't be";
        }
        return contradict(all.data(), static_cast<int>(all.size()), what);
    }
    record(factOf(cell, d, true), causes, count);
    s_.value[cell] = static_cast<std::uint8_t>(d + 1);
    for (int u : geometry().unitsOf[cell]) s_.settled[u] |= static_cast<Mask>(1u << d);
    queue_[tail_++] = factOf(cell, d, true);
}

void Propagation::deriveOff(int cell, int d, const int* causes, int count) {
    if (contradiction_ || !((s_.cand[cell] >> d) & 1)) return;
    if (s_.value[cell] == d + 1) {
        if (!record_) return contradict(nullptr, 0, {});
        std::vector<int> all(causes, causes + count);
        if (facts_->order[factOf(cell, d, true)]) all.push_back(factOf(cell, d, true));
        return contradict(all.data(), static_cast<int>(all.size()),
                          cellName(cell) + " would have to be " + static_cast<char>('1' + d) +
                              " and can't be");
    }
    record(factOf(cell, d, false), causes, count);
    s_.cand[cell] &= static_cast<Mask>(~(1u << d));
    s_.where[d].remove(cell);
    queue_[tail_++] = factOf(cell, d, false);
}

void Propagation::run() {
    while (head_ < tail_ && !contradiction_) {
        const int f = queue_[head_++];
        if (factOn(f))
            processOn(factCell(f), factDigit(f));
        else
            processOff(factCell(f), factDigit(f));
    }
}

void Propagation::processOn(int cell, int d) {
    const int cause = factOf(cell, d, true);
    for (unsigned m = s_.cand[cell] & ~(1u << d); m; m &= m - 1)
        deriveOff(cell, lowest(m), &cause, 1);
    (s_.where[d] & geometry().peers[cell]).each([&](int p) { deriveOff(p, d, &cause, 1); });
}

void Propagation::processOff(int cell, int d) {
    const Geometry& geo = geometry();
    const int cause = factOf(cell, d, false);
    if (links_ == Links::Chain) {
        // Only the starting grid's strong links: a pair cell, a digit twice in a unit.
        const Mask startCand = start_.cand[cell];
        if (popcount(startCand) == 2) deriveOn(cell, lowest(startCand & ~(1u << d)), &cause, 1);
        for (int u : geo.unitsOf[cell]) {
            const Cells at = start_.inUnit(u, d);
            if (at.count() != 2) continue;
            Cells other = at;
            other.remove(cell);
            if (other.count() == 1) deriveOn(other.first(), d, &cause, 1);
        }
        return;
    }
    int causes[9];
    if (s_.value[cell] == 0) {
        const int left = popcount(s_.cand[cell]);
        if (left <= 1) {
            int n = 0;
            if (record_) {
                for (unsigned m = start_.cand[cell] & ~s_.cand[cell]; m; m &= m - 1) {
                    causes[n++] = factOf(cell, lowest(m), false);
                }
            }
            if (left == 0) return contradict(causes, n, cellName(cell) + " has no candidate left");
            deriveOn(cell, lowest(s_.cand[cell]), causes, n);
        }
    }
    for (int u : geo.unitsOf[cell]) {
        if ((s_.settled[u] >> d) & 1) continue;
        const Cells at = s_.where[d] & geo.unitSet[u];
        const int left = at.count();
        if (left > 1) continue;
        int n = 0;
        if (record_) {
            start_.inUnit(u, d).minus(at).each([&](int p) {
                if (facts_->order[factOf(p, d, false)] && n < 9) causes[n++] = factOf(p, d, false);
            });
        }
        if (left == 0) {
            return contradict(causes, n,
                              unitName(u) + " has no place for " + static_cast<char>('1' + d));
        }
        deriveOn(at.first(), d, causes, n);
        if (contradiction_) return;
    }
}

// Removes every candidate whose assumption fails by a net one level
// shallower. True when something was removed.
bool Propagation::nestedRound() {
    bool removed = false;
    for (int cell = 0; cell < 81 && !contradiction_; ++cell) {
        if (s_.value[cell] != 0) continue;
        for (unsigned m = s_.cand[cell]; m && !contradiction_; m &= m - 1) {
            const int d = lowest(m);
            if (!((s_.cand[cell] >> d) & 1)) continue;
            if (--trialsLeft < 0) return removed;
            Propagation trial(*this, depth_ - 1);
            if (!trial.assume(factOf(cell, d, true))) continue;
            removed = true;
            if (!record_) {
                deriveOff(cell, d, nullptr, 0);
                continue;
            }
            // Again with the reasons, inside this propagation: the trial's own
            // facts become the note, the facts it used from here the causes.
            Propagation explained(*this);
            explained.depth_ = depth_ - 1;
            explained.head_ = explained.tail_ = 0;
            const int base = facts_->counter;
            explained.assume(factOf(cell, d, true));
            std::vector<char> seen(kFactCount, 0);
            std::vector<int> used;
            for (int f : explained.contradictionCauses_) explained.ancestors(f, seen, used);
            std::vector<int> outer;
            for (int f : used) {
                if (explained.facts_->order[f] <= base) outer.push_back(f);
            }
            int links = 0;
            const std::string note = explained.explain(-1, links, nullptr, base);
            Facts& facts = *facts_;
            facts.notes.push_back(note);
            facts.noteLinks.push_back(links);
            deriveOff(cell, d, outer.data(), static_cast<int>(outer.size()));
            facts.note[factOf(cell, d, false)] = static_cast<int>(facts.notes.size());
        }
    }
    return removed;
}

void Propagation::ancestors(int fact, std::vector<char>& seen, std::vector<int>& out) const {
    if (seen[fact]) return;
    seen[fact] = 1;
    const Facts& f = *facts_;
    for (int i = 0; i < f.causeCount[fact]; ++i)
        ancestors(f.causes[f.causeBegin[fact] + i], seen, out);
    out.push_back(fact);
}

std::string Propagation::explain(int fact, int& links, Cells* cells, int after) const {
    std::vector<char> seen(kFactCount, 0);
    std::vector<int> used;
    if (fact >= 0) {
        ancestors(fact, seen, used);
    } else {
        for (int f : contradictionCauses_) ancestors(f, seen, used);
    }
    const Facts& f = *facts_;
    std::sort(used.begin(), used.end(), [&](int a, int b) { return f.order[a] < f.order[b]; });
    std::string out;
    links = 0;
    for (int x : used) {
        if (f.order[x] <= after) continue;
        if (!out.empty()) {
            out += " → ";
            ++links;
        }
        out += factName(x);
        if (cells) cells->add(factCell(x));
        if (f.note[x]) {
            out += " [" + f.notes[f.note[x] - 1] + "]";
            links += f.noteLinks[f.note[x] - 1];
        }
    }
    if (fact < 0) {
        out += " → " + contradictionText_;
        ++links;
    }
    return out;
}

} // namespace velmar::ladder
