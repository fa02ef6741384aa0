// SPDX-License-Identifier: GPL-3.0-or-later
// The player's position: the 81 cell records the board shows and the
// board-wide operations the play logic needs. No drawing and no Qt here; the
// board widget draws this model.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmar {

// Cell states.
enum : std::int32_t { kStateGiven = 1, kStatePlaced = 2, kStateOpen = 3 };

struct TPicNode {
    std::int32_t Row = 0;              // 1..9
    std::int32_t Col = 0;              // 1..9
    std::string Text;                  // a digit, or the open cell's candidate digits in held order
    std::int32_t State = kStatePlaced; // 1 given, 2 placed by the player, 3 open
    bool ErrorMark = false;
    std::int32_t CandHidden = 0; // 1 = hide the candidates at the next pencil redraw
};

// How the open cells' candidate texts relate to the computed candidates.
enum : int {
    kCandidatesNone = 0,    // no open cell has candidate text
    kCandidatesPartial = 1, // some open cells have text, at least one is empty
    kCandidatesExact = 2,   // every open cell holds exactly its computed candidates
    kCandidatesEdited = 3,  // every open cell has text, some differ from the computed ones
};

// The 81 cells, row-major. Operations address cells by row and column 1..9.
// A cell is filled when its State is not open; its peers are the other 20
// cells of its row, column and box.
class BoardCells {
  public:
    // Every cell placed (State 2) with empty Text and its Row/Col set.
    BoardCells();

    TPicNode& cell(int row, int col) { return cells_[(row - 1) * 9 + (col - 1)]; }
    const TPicNode& cell(int row, int col) const { return cells_[(row - 1) * 9 + (col - 1)]; }
    // Cell i of board order, 0..80.
    TPicNode& at(int i) { return cells_[i]; }
    const TPicNode& at(int i) const { return cells_[i]; }

    // Box number 1..9, counted row-wise from the upper left.
    static int BoxOf(int row, int col);
    // Board-order indices of the 20 peers of cell i, ascending (row-major).
    static const std::array<int, 20>& PeersOf(int index);

    // Digits 1..9, ascending, that no filled peer holds.
    std::string PeerCandidates(int row, int col) const;
    // The cell's own digits, ascending, minus those held by filled peers.
    std::string PrunedCandidates(int row, int col) const;
    // After a digit d was placed: drops the first d from every non-given peer.
    void RemoveFromPeers(int row, int col);
    // After a digit was taken out: appends it to every open peer that may hold
    // it again and lacks it. A character other than '1'..'9' changes nothing.
    void RestoreToPeers(int row, int col, char digit);
    // Marks exactly the filled cells whose digit a filled peer also holds.
    // Returns whether a conflict was found.
    bool FindConflict();
    bool HasErrorMark() const;
    // No open cell, every cell one digit, and no conflict (marks refreshed).
    bool IsSolved();
    // In board order the Text of each given and "0" for every other cell: 81
    // characters while every given holds one digit (the start-up board, all
    // givens without text, gives "", which the last-game file relies on).
    std::string GivensFromBoard() const;
    // One of kCandidatesNone..kCandidatesEdited.
    int CandidateState() const;

  private:
    std::array<TPicNode, 81> cells_;
};

} // namespace velmar
