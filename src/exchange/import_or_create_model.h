// SPDX-License-Identifier: GPL-3.0-or-later
// The "Import or Create Sudoku" dialog without its window: the grid the user
// builds a puzzle on, its mouse edits, text import, taking over the main
// board, the uniqueness check and the data steps of "Play Puzzle". The Qt
// dialog hands in the cells of its board view (sdnew), forwards clicks and
// buttons, redraws after each, shows the message keys it is handed, and
// after StartGame rebuilds the main window from the game position and the
// board it was given.
//
// In this grid a cell holding one digit has State 2 (a given of the puzzle
// being built) and every other cell is open (State 3) with its candidates.
#pragma once

#include "board/board_cells.h"
#include "exchange/puzzle_text_import.h"
#include "solver/solver.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

class TQJ;

// What "Play Puzzle" does after checking the grid.
enum class PlayGate {
    kRefuse, // no solution: show messageKey, the dialog stays open
    kAsk,    // several solutions: ask messageKey (Yes/No), go on only on Yes
    kStart,  // one solution: start the game
};

struct PlayCheck {
    UniquenessReport report;
    PlayGate gate = PlayGate::kRefuse;
    std::string_view messageKey; // empty for kStart
};

// The operation mode the main window selects for the new game.
enum class PlayMode { kPencilAndPaper, kAllCandidates };

class ImportOrCreateModel {
  public:
    // Works on the cells of the dialog's board view, which keeps them between
    // openings; starts them as the fresh grid.
    explicit ImportOrCreateModel(BoardCells& grid);

    const BoardCells& grid() const { return grid_; }

    // Every cell open with all nine candidates; conflict marks cleared.
    void ClearGrid();

    // "&Import": recognises and converts the text and marks conflicts.
    // Returns the layout; for kLayoutInvalid the grid keeps its cells and the
    // dialog shows kInvalidFormatKey.
    int ImportText(std::string_view utf8Text);
    static constexpr std::string_view kInvalidFormatKey = "msg_frm_new_invalid_format";

    // "Load Puzzle": every main-board cell holding one character becomes a
    // given of the grid, every other cell open with the candidates its
    // givens leave. Conflicts are marked.
    void LoadPuzzle(const BoardCells& mainBoard);

    // The three mouse edits. Each returns false, changing nothing, when the
    // click does not apply (a candidate the open cell does not show).
    // Left button on a candidate digit: the cell takes it, its peers lose it.
    bool PlaceCandidate(int row, int col, char digit);
    // Right button on a candidate digit: the cell drops it and stays open.
    bool RemoveCandidate(int row, int col, char digit);
    // Left button on the body of a cell: the cell opens with the candidates
    // its peers leave, and a digit it held goes back to its open peers.
    void ReopenCell(int row, int col);

    // The grid as the uniqueness test reads it: each cell's text when it is
    // one character, '*' for every other cell.
    std::string PuzzleString() const;
    // "Check Puzzle": the dialog's uniqueness test on the grid, and the key
    // of the message that reports a result.
    UniquenessReport CheckPuzzle() const;
    static std::string_view CheckMessageKey(int result);

    // "Play Puzzle", first steps: the check and what follows from it.
    PlayCheck CheckForPlay() const;
    // The level of the game "Play Puzzle" starts: Unknown.
    static constexpr int kPlayLevel = 5;
    // "Play Puzzle", data steps, after kStart or a Yes to kAsk: the game
    // position gets the givens (and the solution when there is exactly one),
    // the main board the grid's cells, givens as State 1. In "Pencil and
    // Paper" the open cells are emptied; "All Candidates" keeps candidate
    // lists that differ from the computed ones. Returns nothing, changing
    // nothing, for a report without a solution.
    std::optional<PlayMode> StartGame(const UniquenessReport& report, TQJ& game,
                                      BoardCells& mainBoard) const;

  private:
    BoardCells& grid_;
};

} // namespace velmar
