// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle text import: recognises which layout a typed or pasted text is in
// and converts it into the 81 cells of the import-or-create grid. The text
// is read as Unicode characters decoded from UTF-8, exactly as entered: line
// breaks are characters where a layout counts them.
#pragma once

#include "board/board_cells.h"

#include <string>
#include <string_view>

namespace velmar {

enum ImportLayout : int {
    kLayoutInvalid = 0,    // not recognised: "Invalid format."
    kLayoutString = 1,     // 81 characters once trimmed
    kLayoutVisible = 2,    // exactly 81 characters that are not whitespace
    kLayoutDecorated = 3,  // a decorated grid whose blanks are one symbol
    kLayoutCandidates = 4, // more than 81 digits: groups of digits per cell
};

struct PuzzleTextImport {
    int layout = kLayoutInvalid;
    // For layouts 1..4 every cell is set: a given holds its digit with
    // State 2, any other cell is open (State 3) with its candidate text,
    // possibly empty. Error marks are left clear. Meaningless for layout 0.
    BoardCells grid;
};

// Whitespace is every character up to U+0020; only '1'..'9' are digits.
// Malformed UTF-8 is read with replacement characters, never refused.
PuzzleTextImport ImportPuzzleText(std::string_view utf8Text);

// The 81-character puzzle line of an imported grid: each given's digit, '.'
// for every other cell.
std::string ImportedPuzzleLine(const BoardCells& grid);

} // namespace velmar
