// SPDX-License-Identifier: GPL-3.0-or-later
// The hint engine: finds the next human-style deduction on its own copy of
// the position (candidate masks), phrases it as an English sentence, applies
// it to the copy at once and scores it. The board sees a deduction only when
// the hint dialog asks for it (placePending / copyToBoard). A search returns
// its finding as a Hint value; no widgets here.
#pragma once

#include "board/board_cells.h"
#include "hints/engine_layout.h"
#include "hints/hint.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

enum EngineOutcome : int {
    kOutcomeRunning = 0,
    kOutcomeSolved = 1,
    kOutcomeStumped = 2,
    kOutcomeNoSolution = 3
};

class HintEngine {
  public:
    // The technique table in two parts. The weights: what a report of each
    // technique adds to the score, by counter (a band rectangle scores it for
    // every cell that loses the digit; "I'm stumped!" is scored by the driver
    // when every search came back empty). The order: the searches a step
    // tries, first to last, each reporting one or more techniques.
    using Search = void (HintEngine::*)();
    static const std::array<int, kTechniqueCounterCount>& weights();
    static const std::array<Search, 8>& searchOrder();
    static int weight(TechniqueCounter counter) { return weights()[counter]; }

    HintEngine();

    // Starts a dialog run: the board is read again at the next step, the
    // score restarts at 0. The technique counters survive (see clearTechniqueCounts).
    void reset();
    void clearTechniqueCounts() { techniqueCounts.fill(0); }

    // Builds the engine state from the board. In "Pencil and Paper" mode the
    // engine computes every candidate from the filled cells; in a candidate
    // mode it trusts the player's marks, eliminations included.
    void loadFromBoard(const BoardCells& board, bool pencilMode);
    // The batch rating's load: '1'..'9' of a row-major puzzle line are placed,
    // every other character (and any missing one) is a blank.
    void loadGivens(std::string_view line);

    // Places digit0 (0..8) at engine cell e and removes it from the peers.
    void placeDigit(int digit0, int e);

    // One request of the hint dialog: reload if needed, then either copy a
    // waiting deduction to the board or search for the next one.
    void step(BoardCells& board, bool pencilMode);
    // The search half of a step on the engine's own state: the deduction
    // found, or the outcome ("Solved!", "I'm stumped!", "No solution!").
    const Hint& search();
    // What the last search found.
    const Hint& hint() const { return hint_; }

    // The dialog's "Do It For Me" on a single: engine, board cell, then copy.
    void placePending(BoardCells& board, bool pencilMode);
    // Batch rating: places a pending single in the engine only.
    void placePendingInEngine();
    // Copies candidates (not in "Pencil and Paper" mode) and placed digits to
    // the board and clears the waiting deduction.
    void copyToBoard(BoardCells& board, bool pencilMode);
    // The batch rating never copies: a found deduction is simply taken as applied.
    void dropWaitingDeduction() { deductionWaiting = false; }

    int outcome() const { return engineOutcome; }
    int score() const { return difficultyScore; }
    const TechniqueCounts& counts() const { return techniqueCounts; }
    bool hasPendingPlacement() const { return pendingPlacement; }
    int pendingDigit() const { return hint_.placement->digit - 1; } // 0..8
    int pendingCell() const { return hints::engineCellOfIndex(hint_.placement->cell); }
    bool isDeductionWaiting() const { return deductionWaiting; }
    bool needsReload() const { return reloadBoard; }

    // With the advanced ladder on, a search tries every technique of the
    // ladder from the simplest on instead of the searches above; the score
    // then uses the ladder's weights and the run keeps its hardest step.
    void setAdvanced(bool on) { advanced_ = on; }
    bool advanced() const { return advanced_; }
    // The run's hardest step so far: its difficulty in tenths of the
    // 1.0-11.9 scale (0 before any step) and its ladder technique (-1).
    int hardestDifficulty() const { return hardestDifficulty_; }
    int hardestTechnique() const { return hardestTechnique_; }

    // Chain searches that cannot change at a deeper cap are skipped; turning
    // this off runs every search literally (for verifying the shortcut).
    void setChainShortcuts(bool on) { chainShortcuts_ = on; }

    hints::Mask candidates(int e) const { return candMask[e]; }
    int placed(int e) const { return placedDigit[e]; } // 1..9, 0 when open
    int placedCells() const { return placedCount; }

  private:
    // Sentence building blocks. A report scores the technique, writes the
    // hint's sentence and ends the search.
    void highlight(int e, HighlightColour colour);
    void clearHighlights() { hint_.highlights.fill(HighlightColour::White); }
    void listAppend(const std::string& text);
    std::string listTake();
    std::string unitPhrase(hints::Unit unit);
    void report(TechniqueCounter counter, std::string sentence);
    void proposePlacement(int digit0, int e);
    int bits(hints::Mask m) const { return bitCount[m]; }

    // The searches of the technique table.
    void advancedSearch();
    void hiddenSingles();
    void nakedSingles();
    void boxLineReductions();
    void subsets();
    void subsetsOfSize(int size);
    hints::Mask subsetSearch(std::array<hints::Mask, 9>& rows, int size);
    void reportSubset(hints::Unit unit, const std::array<hints::Mask, 9>& rows, hints::Mask u,
                      int size, bool hidden);
    void uniqueRectangles();
    void floorRectangles(bool columns);
    bool floorPair(int first, int stride, int& a, int& b) const;
    void bandRectangles();
    void bandRectangle(int a, int b, int c, int d, hints::Unit line);
    void digitAndPairChains();
    void generalizedChains();

    // Chain search (see chains.cpp).
    enum ChainKind : int { kSingleDigit = 0, kPairs = 1, kGeneralized = 2 };
    void buildChainTables();
    void chainPass(bool generalized);
    bool chainSearch(int s, int d0, ChainKind kind, int cap);
    void exploreOff(int x, int d, int depth);
    void exploreOn(int x, int d, int depth);
    void chainEliminate(int x);
    void reportChain(int x);

    std::array<hints::Mask, 81> candMask{};
    std::array<int, 81> placedDigit{};
    int placedCount = 0;
    std::array<hints::Mask, 9> boxLineOpen{};
    const std::array<std::uint8_t, 512>& bitCount;
    const std::array<std::array<std::uint8_t, 20>, 81>& peerList;
    bool searching = false;
    bool pendingPlacement = false; // the single of hint_ is still to be placed
    bool deductionWaiting = false;
    int engineOutcome = kOutcomeRunning;
    int difficultyScore = 0;
    TechniqueCounts techniqueCounts{};
    std::string listText;
    bool reloadBoard = true;
    Hint hint_;

    // Chain tables: links per digit and cell, -1 ends a short list.
    std::array<std::array<std::array<std::int8_t, 20>, 81>, 9> weakLink{};
    std::array<std::array<std::array<std::int8_t, 3>, 81>, 9> strongLink{};
    std::array<std::array<std::uint32_t, 81>, 9> onMark{};
    std::array<std::array<std::uint32_t, 81>, 9> offMark{};
    std::uint32_t searchStamp = 0;
    bool depthLimitHit = false;
    // The chain from the start cell to the node being explored. Unlike a fixed
    // 30-slot path it keeps every cell, so a long chain is still reported
    // whole, from its start cell on.
    std::vector<std::int8_t> chainPath;
    // Current search: start cell, start digit, kind, depth cap, and whether it
    // came near the cap (then a deeper sweep must run it again).
    int chainStart_ = 0;
    int chainDigit_ = 0;
    ChainKind chainKind_ = kSingleDigit;
    int chainCap_ = 0;
    bool chainTouchedCap_ = false;
    bool chainShortcuts_ = true;

    bool advanced_ = false;
    int hardestDifficulty_ = 0;
    int hardestTechnique_ = -1;
};

} // namespace velmar
