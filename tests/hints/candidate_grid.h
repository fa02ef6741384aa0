// SPDX-License-Identifier: GPL-3.0-or-later
// Builds candidate-mode boards for the hint engine tests: every cell starts
// open with all nine candidates (a position on which no technique applies),
// and a test carves the pattern it needs into it.
#pragma once

#include "board/board_cells.h"
#include "hints/hint_engine.h"

#include <string>
#include <string_view>

namespace velmar::testing {

// Board cell index of a name like "C7".
inline int cellIndex(std::string_view name) {
    return (name[0] - 'A') * 9 + (name[1] - '1');
}

class CandidateGrid {
  public:
    CandidateGrid() {
        for (int i = 0; i < 81; ++i) {
            board_.at(i).State = kStateOpen;
            board_.at(i).Text = "123456789";
        }
    }

    // Sets the candidates of a cell.
    CandidateGrid& set(std::string_view cell, std::string digits) {
        board_.at(cellIndex(cell)).Text = std::move(digits);
        return *this;
    }
    // Places a digit as a given.
    CandidateGrid& given(std::string_view cell, char digit) {
        TPicNode& node = board_.at(cellIndex(cell));
        node.State = kStateGiven;
        node.Text = std::string(1, digit);
        return *this;
    }
    // Removes digits from a cell's candidates.
    CandidateGrid& remove(std::string_view cell, std::string_view digits) {
        std::string& text = board_.at(cellIndex(cell)).Text;
        for (char d : digits) {
            const auto at = text.find(d);
            if (at != std::string::npos) text.erase(at, 1);
        }
        return *this;
    }
    // Removes digits from every cell of rows rows[0]..rows[1] and columns
    // cols[0]..cols[1] (a rectangle given by its corner names), except `keep`.
    CandidateGrid& removeIn(std::string_view from, std::string_view to, std::string_view digits,
                            std::initializer_list<std::string_view> keep = {}) {
        for (char r = from[0]; r <= to[0]; ++r) {
            for (char c = from[1]; c <= to[1]; ++c) {
                const std::string name{r, c};
                bool kept = false;
                for (std::string_view k : keep) kept = kept || k == name;
                if (!kept) remove(name, digits);
            }
        }
        return *this;
    }

    BoardCells& board() { return board_; }

  private:
    BoardCells board_;
};

// One search on the grid in a candidate mode; returns the engine.
inline HintEngine searchOnce(CandidateGrid& grid) {
    HintEngine engine;
    engine.loadFromBoard(grid.board(), false);
    engine.search();
    return engine;
}

// Candidates of a board cell in the engine, as digits ascending.
inline std::string engineCandidates(const HintEngine& engine, std::string_view cell) {
    return hints::digitList(engine.candidates(hints::engineCellOfIndex(cellIndex(cell))), "");
}

inline HighlightColour colourOf(const HintEngine& engine, std::string_view cell) {
    return engine.hint().highlights[cellIndex(cell)];
}

} // namespace velmar::testing
