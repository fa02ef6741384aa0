// SPDX-License-Identifier: GPL-3.0-or-later
// The player's colour marks and the colour operations every play action ends
// with. The marks live in a store of ten colours per cell (the cell and its
// nine candidate squares) so that they survive every redraw of the board.
#pragma once

#include "game/colour.h"

#include <array>

namespace velmar {

class BoardDisplay;
class TQJ;

inline constexpr TColor NoMark = 12634573; // $C0C9CD

class ColorMarkStore {
  public:
    ColorMarkStore() { Clear(); }

    // Entry 0 is the cell's background, entries 1..9 its candidate squares.
    TColor& entry(int row, int col, int index) { return marks_[(row - 1) * 9 + col - 1][index]; }
    TColor entry(int row, int col, int index) const {
        return marks_[(row - 1) * 9 + col - 1][index];
    }
    void Clear();
    bool IsEmpty() const;

  private:
    std::array<std::array<TColor, 10>, 81> marks_{};
};

// Every cell and candidate square back to the cell's default colour; with
// clearStore the marks are forgotten too.
void ResetColors(BoardDisplay& board, ColorMarkStore& store, int selectedDigit, bool clearStore);
// Takes the board's current colours into the store; a square showing the
// colour the board gives that cell by itself (box colour, highlight, error
// colour) holds no mark. Comparing with the cell's own default rather than
// with the list of the board's colours keeps a mark in a colour that happens
// to be the highlight or a box colour elsewhere (the grid's yellow and white
// are the default highlight and box colours).
void CaptureMarks(const BoardDisplay& board, ColorMarkStore& store, int selectedDigit);
// The default colours, then the stored marks on top, then MarkWrongDigits.
void ApplyMarks(BoardDisplay& board, const ColorMarkStore& store, const TQJ& model,
                int selectedDigit);
// Single digits that differ from a known solution digit take the big-digit
// colour.
void MarkWrongDigits(BoardDisplay& board, const TQJ& model);

} // namespace velmar
