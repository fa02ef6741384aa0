// SPDX-License-Identifier: GPL-3.0-or-later
// Chains. A search assumes a start cell s is not digit d0 and follows forced
// conclusions depth-first over ON (cell is d) and OFF (cell is not d) nodes:
// a strong link (the only other place of d in a unit) turns OFF into ON, a
// weak link (a peer holding d) turns ON into OFF. Reaching ON(X, d0) means one
// of s and X is d0, so their common peers lose d0. Kinds: single-digit chains
// (links only), chains of pairs (only through two-digit cells) and
// generalized chains (both, switching digits inside a cell). Iterative
// deepening keeps the reported chain short.
#include "hints/hint_engine.h"

namespace velmar {

using namespace hints;

// Links are needed only for the digits a cell holds: a search reaches
// ON(X, d) and OFF(X, d) only where X holds d, and masks only shrink while
// the tables are in use.
void HintEngine::buildChainTables() {
    // Per unit and digit: how many cells hold it, and the first two of them.
    struct Holders {
        int count = 0;
        std::array<int, 2> first{};
    };
    std::array<std::array<Holders, 9>, 27> holders{};
    const auto unitIndex = [](int kind, int e) {
        return 9 * kind + (kind == 0 ? rowOf(e) : kind == 1 ? offsetOf(e) : boxOf(e));
    };
    for (int kind = 0; kind < 3; ++kind) {
        for (int n = 0; n < 9; ++n) {
            const Unit unit = kind == 0 ? rowUnit(n) : kind == 1 ? columnUnit(n) : boxUnit(n);
            for (int i = 0; i < 9; ++i) {
                const int p = unit.cell(i);
                for (Mask m = candMask[p]; m != 0; m &= static_cast<Mask>(m - 1)) {
                    Holders& h = holders[9 * kind + n][lowestDigit(m)];
                    if (h.count < 2) h.first[h.count] = p;
                    ++h.count;
                }
            }
        }
    }
    for (int e = 0; e < 81; ++e) {
        for (Mask m = candMask[e]; m != 0; m &= static_cast<Mask>(m - 1)) {
            const int d = lowestDigit(m);
            const Mask bit = static_cast<Mask>(1u << d);
            auto& weak = weakLink[d][e];
            int n = 0;
            for (int p : peerList[e]) {
                if (candMask[p] & bit) weak[n++] = static_cast<std::int8_t>(p);
            }
            if (n < 20) weak[n] = -1;
            // The only other cell of the row, column and box holding d, in
            // that order; empty slots close up so the filled ones come first.
            auto& strong = strongLink[d][e];
            strong.fill(-1);
            int filled = 0;
            for (int kind = 0; kind < 3; ++kind) {
                const Holders& h = holders[unitIndex(kind, e)][d];
                if (h.count == 2) {
                    strong[filled++] =
                        static_cast<std::int8_t>(h.first[0] == e ? h.first[1] : h.first[0]);
                }
            }
        }
    }
}

void HintEngine::digitAndPairChains() {
    buildChainTables();
    chainPass(false);
}

// Runs only after digitAndPairChains found nothing, so the tables it built
// still match the masks.
void HintEngine::generalizedChains() {
    chainPass(true);
}

// One pass with the depth cap at 3, 4, 5, ... until a sweep cuts no branch.
// A search that finished a sweep without coming near the cap would run
// exactly the same at any larger cap (and found nothing), so later sweeps
// skip it: only the time changes, never the result.
void HintEngine::chainPass(bool generalized) {
    std::array<std::array<std::array<bool, 9>, 81>, 3> settled{};
    auto run = [&](int s, int d0, ChainKind kind, int cap) {
        bool& done = settled[kind][s][d0];
        if (!done) done = chainSearch(s, d0, kind, cap) && chainShortcuts_;
    };
    bool firstSweep = true;
    for (int cap = 3; searching && (firstSweep || depthLimitHit); ++cap) {
        firstSweep = false;
        depthLimitHit = false;
        for (int e = 0; e < 81 && searching; ++e) {
            const Mask mask = candMask[e];
            if (generalized) {
                // Digit 1 is never a start digit here.
                for (int d = 8; d >= 1 && searching; --d) {
                    if (mask & (1u << d)) run(e, d, kGeneralized, cap);
                }
                continue;
            }
            if (bits(mask) == 2) {
                const int low = lowestDigit(mask);
                run(e, low, kPairs, cap);
                if (searching)
                    run(e, lowestDigit(mask & static_cast<Mask>(~(1u << low))), kPairs, cap);
            }
            if (placedDigit[e] != 0) continue;
            for (int d = 0; d < 9 && searching; ++d) {
                if (mask & (1u << d)) run(e, d, kSingleDigit, cap);
            }
        }
    }
}

// Returns true when the search never came near the cap.
bool HintEngine::chainSearch(int s, int d0, ChainKind kind, int cap) {
    if (++searchStamp == 0) { // wrapped: old marks could pass for new ones
        for (auto& marks : onMark) marks.fill(0);
        for (auto& marks : offMark) marks.fill(0);
        searchStamp = 1;
    }
    chainStart_ = s;
    chainDigit_ = d0;
    chainKind_ = kind;
    chainCap_ = cap;
    chainTouchedCap_ = false;
    chainPath.assign(1, static_cast<std::int8_t>(s));
    exploreOff(s, d0, 1);
    return !chainTouchedCap_;
}

void HintEngine::exploreOff(int x, int d, int depth) {
    offMark[d][x] = searchStamp;
    if (chainKind_ != kPairs) {
        for (int slot = 0; slot < 3 && searching; ++slot) {
            const int p = strongLink[d][x][slot];
            if (p < 0) break;
            if (onMark[d][p] == searchStamp) continue;
            if (depth >= chainCap_) {
                depthLimitHit = true;
                chainTouchedCap_ = true;
                continue;
            }
            chainPath.push_back(static_cast<std::int8_t>(p));
            exploreOn(p, d, depth + 1);
            chainPath.pop_back();
        }
    }
    // A two-digit cell that is not d is its other digit. (After a silent
    // elimination in this search a cell may hold two digits without d: then
    // no digit is forced.)
    if (chainKind_ != kSingleDigit && bits(candMask[x]) == 2 && onMark[d][x] != searchStamp) {
        const Mask other = candMask[x] & static_cast<Mask>(~(1u << d));
        if (bits(other) == 1) exploreOn(x, lowestDigit(other), depth);
    }
}

void HintEngine::exploreOn(int x, int d, int depth) {
    onMark[d][x] = searchStamp;
    if (d == chainDigit_ && x != chainStart_) chainEliminate(x);
    if (depth == chainCap_ && depthLimitHit) {
        chainTouchedCap_ = true;
        return;
    }
    for (int slot = 0; slot < 20 && searching; ++slot) {
        const int p = weakLink[d][x][slot];
        if (p < 0) break;
        if (offMark[d][p] == searchStamp) continue;
        if (chainKind_ == kPairs && bits(candMask[p]) != 2) continue;
        if (depth < chainCap_) {
            chainPath.push_back(static_cast<std::int8_t>(p));
            exploreOff(p, d, depth + 1);
            chainPath.pop_back();
        } else {
            depthLimitHit = true;
            chainTouchedCap_ = true;
        }
    }
    if (chainKind_ == kGeneralized) {
        // A cell that is d is none of its other digits.
        for (int e = 0; e < 9; ++e) {
            if (e == d || !(candMask[x] & (1u << e))) continue;
            if (offMark[e][x] != searchStamp) exploreOff(x, e, depth);
        }
    }
}

// OFF(s, d0) led to ON(x, d0): one of s and x is d0, so every cell seeing
// both loses d0, in ascending order. The first removal of a step writes the
// sentence.
void HintEngine::chainEliminate(int x) {
    const Mask bit = static_cast<Mask>(1u << chainDigit_);
    const CellSet& a = peerSets()[chainStart_];
    const CellSet& b = peerSets()[x];
    for (int half = 0; half < 2; ++half) {
        for (std::uint64_t common = a.half[half] & b.half[half]; common != 0;
             common &= common - 1) {
            const int p = 64 * half + __builtin_ctzll(common);
            if (!(candMask[p] & bit)) continue;
            candMask[p] &= static_cast<Mask>(~bit);
            if (searching) reportChain(x);
            searching = false;
        }
    }
}

void HintEngine::reportChain(int x) {
    static constexpr std::array<const char*, 3> kOpening = {"In chain of ", "In chain of pairs (",
                                                            "In generalized chain ("};
    static constexpr std::array<TechniqueCounter, 3> kCounter = {kSingleDigitChain, kChainOfPairs,
                                                                 kGeneralizedChain};
    const int s = chainStart_;
    std::string text = kOpening[chainKind_];
    if (chainKind_ == kSingleDigit) text += digitName(chainDigit_) + "'s (";
    for (std::size_t i = 0; i < chainPath.size(); ++i) {
        listAppend(cellName(chainPath[i]));
        if (i > 0 && i + 1 < chainPath.size()) highlight(chainPath[i], HighlightColour::Cyan);
    }
    highlight(s, HighlightColour::Magenta);
    highlight(x, HighlightColour::Magenta);
    text += listTake() + ")," + "\r\n" + "one of " + cellName(x) + ", " + cellName(s) +
            " must be " + digitName(chainDigit_);
    report(kCounter[chainKind_], std::move(text));
}

} // namespace velmar
