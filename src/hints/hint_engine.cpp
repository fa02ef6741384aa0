// SPDX-License-Identifier: GPL-3.0-or-later
// Engine core: the technique table, state, loading, placing, the step
// driver, the two single techniques and the sentence building blocks.
#include "hints/hint_engine.h"

#include <algorithm>

namespace velmar {

using namespace hints;

std::uint32_t highlightRgb(HighlightColour colour) {
    switch (colour) {
    case HighlightColour::Cyan:
        return kHighlightCyan;
    case HighlightColour::Magenta:
        return kHighlightMagenta;
    case HighlightColour::White:
        break;
    }
    return kHighlightWhite;
}

const std::array<int, kTechniqueCounterCount>& HintEngine::weights() {
    // By counter: hidden single, naked single, box/line reduction, naked
    // subset, hidden subset, rectangle corner, rectangle extra digit, band
    // rectangle, generalized chain, single-digit chain, chain of pairs, stumped.
    static const std::array<int, kTechniqueCounterCount> table = {1,  10, 5,   20, 40,  30,
                                                                  50, 50, 250, 50, 100, 800};
    return table;
}

const std::array<HintEngine::Search, 8>& HintEngine::searchOrder() {
    static const std::array<Search, 8> order = {
        &HintEngine::hiddenSingles,
        &HintEngine::nakedSingles,
        &HintEngine::boxLineReductions,
        &HintEngine::subsets,          // sizes 2, 3, 4; per unit naked first, then hidden
        &HintEngine::uniqueRectangles, // floor pairs in rows, then columns: corner, extra digit
        &HintEngine::bandRectangles,
        &HintEngine::digitAndPairChains, // single-digit chains and chains of pairs together
        &HintEngine::generalizedChains,
    };
    return order;
}

HintEngine::HintEngine() : bitCount(bitCountTable()), peerList(peerTable()) {
    reset();
}

void HintEngine::reset() {
    hint_ = Hint{};
    reloadBoard = true;
    pendingPlacement = false;
    deductionWaiting = false;
    listText.clear();
    searching = false;
    engineOutcome = kOutcomeRunning;
    difficultyScore = 0;
    for (auto& marks : onMark) marks.fill(0);
    for (auto& marks : offMark) marks.fill(0);
    searchStamp = 0;
    hardestDifficulty_ = 0;
    hardestTechnique_ = -1;
}

namespace {

// A filled cell's text read as a number: decimal digits only, else -1.
int textNumber(const std::string& text) {
    if (text.empty()) return -1;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return -1;
        value = std::min(value * 10 + (ch - '0'), 1000); // anything above 9 is no digit
    }
    return value;
}

} // namespace

void HintEngine::loadFromBoard(const BoardCells& board, bool pencilMode) {
    candMask.fill(kAllDigits);
    boxLineOpen.fill(kAllDigits);
    placedDigit.fill(0);
    placedCount = 0;
    // Engine order matters: a cell loaded after a peer's placement keeps its
    // marks, one loaded before loses the placed digit.
    for (int e = 0; e < 81; ++e) {
        const TPicNode& node = board.at(boardIndex(e));
        if (pencilMode) {
            if (node.Text.size() == 1 && node.Text[0] >= '1' && node.Text[0] <= '9') {
                placeDigit(node.Text[0] - '1', e);
            }
        } else if (node.State == kStateOpen) {
            Mask mask = 0;
            for (char ch : node.Text) {
                if (ch >= '1' && ch <= '9') mask |= static_cast<Mask>(1u << (ch - '1'));
            }
            candMask[e] = mask;
        } else {
            const int value = textNumber(node.Text);
            if (value >= 1 && value <= 9) placeDigit(value - 1, e);
        }
    }
    reloadBoard = false;
}

void HintEngine::loadGivens(std::string_view line) {
    candMask.fill(kAllDigits);
    boxLineOpen.fill(kAllDigits);
    placedDigit.fill(0);
    placedCount = 0;
    for (int i = 0; i < 81 && i < static_cast<int>(line.size()); ++i) {
        if (line[i] >= '1' && line[i] <= '9') placeDigit(line[i] - '1', engineCellOfIndex(i));
    }
    reloadBoard = false;
}

void HintEngine::placeDigit(int digit0, int e) {
    const Mask keep = static_cast<Mask>(~(1u << digit0));
    placedDigit[e] = digit0 + 1;
    candMask[e] = 0;
    for (int i = 0; i < 9; ++i) {
        candMask[rowUnit(rowOf(e)).cell(i)] &= keep;
        candMask[columnUnit(offsetOf(e)).cell(i)] &= keep;
        candMask[boxUnit(boxOf(e)).cell(i)] &= keep;
    }
    boxLineOpen[boxOf(e)] &= keep;
    ++placedCount;
}

void HintEngine::step(BoardCells& board, bool pencilMode) {
    if (reloadBoard) loadFromBoard(board, pencilMode);
    if (deductionWaiting) {
        copyToBoard(board, pencilMode);
        return;
    }
    search();
}

const Hint& HintEngine::search() {
    // Cleared in place: a search is often a cheap single, and the rating
    // runs thousands of them.
    hint_.sentence.clear();
    hint_.placement.reset();
    hint_.eliminations.clear();
    clearHighlights();
    hint_.technique = kNoTechnique;
    hint_.weight = 0;
    hint_.ladderTechnique = -1;
    hint_.difficulty = 0;
    hint_.patternCells.clear();
    hint_.targetCells.clear();
    pendingPlacement = false; // an unplaced single of an earlier search is dropped with its hint
    const std::array<Mask, 81> before = candMask;
    searching = true;
    if (advanced_) {
        advancedSearch();
    } else {
        for (Search find : searchOrder()) {
            if (!searching) break;
            (this->*find)();
        }
    }

    const bool found = !searching;
    if (found) deductionWaiting = true;
    if (found && !pendingPlacement) {
        // Every removal of the deduction, the silent ones included, in board order.
        for (int e = 0; e < 81; ++e) {
            const Mask removed = before[e] & static_cast<Mask>(~candMask[e]);
            if (removed == 0) continue;
            for (Mask m = removed; m != 0; m &= static_cast<Mask>(m - 1)) {
                hint_.eliminations.push_back({boardIndex(e), lowestDigit(m) + 1});
            }
        }
        std::sort(hint_.eliminations.begin(), hint_.eliminations.end(),
                  [](const CellDigit& a, const CellDigit& b) {
                      return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
                  });
    }
    if (placedCount == 81) {
        hint_.sentence = "Solved!";
        engineOutcome = kOutcomeSolved;
    } else if (!found) {
        int withCandidates = 0;
        for (Mask m : candMask) withCandidates += m != 0;
        if (withCandidates + placedCount == 81) {
            report(kStumped, "I'm stumped!");
            engineOutcome = kOutcomeStumped;
        } else {
            hint_.sentence = "No solution!";
            engineOutcome = kOutcomeNoSolution;
        }
    }
    searching = false;
    return hint_;
}

void HintEngine::placePendingInEngine() {
    if (!pendingPlacement) return;
    placeDigit(pendingDigit(), pendingCell());
    pendingPlacement = false;
}

void HintEngine::placePending(BoardCells& board, bool pencilMode) {
    if (!pendingPlacement) return;
    placeDigit(pendingDigit(), pendingCell());
    TPicNode& node = board.at(hint_.placement->cell);
    node.Text = digitName(pendingDigit());
    node.State = kStatePlaced;
    copyToBoard(board, pencilMode);
    pendingPlacement = false;
}

void HintEngine::copyToBoard(BoardCells& board, bool pencilMode) {
    // In "Pencil and Paper" mode eliminations stay inside the engine.
    if (!pencilMode) {
        for (int e = 0; e < 81; ++e) {
            // Only open cells take candidates: a filled cell without a digit
            // (a given of the start-up board) would become unreadable.
            if (candMask[e] == 0 || board.at(boardIndex(e)).State != kStateOpen) continue;
            std::string digits;
            for (int d = 0; d < 9; ++d) {
                if (candMask[e] & (1u << d)) digits += digitName(d);
            }
            board.at(boardIndex(e)).Text = digits;
        }
    }
    deductionWaiting = false;
}

void HintEngine::highlight(int e, HighlightColour colour) {
    hint_.highlights[boardIndex(e)] = colour;
}

void HintEngine::listAppend(const std::string& text) {
    if (!listText.empty()) listText += ", ";
    listText += text;
}

std::string HintEngine::listTake() {
    std::string list;
    list.swap(listText);
    return list;
}

std::string HintEngine::unitPhrase(Unit unit) {
    clearHighlights();
    for (int i = 0; i < 9; ++i) highlight(unit.cell(i), HighlightColour::Cyan);
    if (unit.step == 1) return "In row " + rowName(rowOf(unit.start));
    if (unit.step == 9) return "In column " + columnName(unit.start);
    return "In the " + boxName(boxOf(unit.start)) + " block";
}

void HintEngine::report(TechniqueCounter counter, std::string sentence) {
    const int w = weight(counter);
    difficultyScore += w;
    ++techniqueCounts[counter];
    hint_.technique = counter;
    hint_.weight += w;
    hint_.sentence = std::move(sentence);
    searching = false;
}

void HintEngine::proposePlacement(int digit0, int e) {
    pendingPlacement = true;
    hint_.placement = CellDigit{boardIndex(e), digit0 + 1};
}

// A digit that only one cell of a unit can hold. Units in the fixed search
// order; within a unit the lowest such digit.
void HintEngine::hiddenSingles() {
    for (const Unit& unit : searchUnits()) {
        Mask once = 0;
        Mask twice = 0;
        for (int i = 0; i < 9; ++i) {
            const Mask m = candMask[unit.cell(i)];
            twice |= once & m;
            once |= m;
        }
        const Mask single = once & static_cast<Mask>(~twice);
        if (single == 0) continue;
        const int d = lowestDigit(single);
        int e = unit.start;
        for (int i = 0; i < 9; ++i) {
            if (candMask[unit.cell(i)] & (1u << d)) {
                e = unit.cell(i);
                break;
            }
        }
        const std::string phrase = unitPhrase(unit);
        proposePlacement(d, e);
        highlight(e, HighlightColour::Magenta);
        report(kHiddenSingle, phrase + ", " + cellName(e) + " must be " + digitName(d));
        return;
    }
}

// A cell with one candidate left.
void HintEngine::nakedSingles() {
    for (int e = 0; e < 81; ++e) {
        if (bits(candMask[e]) != 1) continue;
        const int d = lowestDigit(candMask[e]);
        proposePlacement(d, e);
        highlight(e, HighlightColour::Magenta);
        report(kNakedSingle, cellName(e) + " can only be " + digitName(d));
        return;
    }
}

} // namespace velmar
