// SPDX-License-Identifier: GPL-3.0-or-later
// The board as plain text for the clipboard, in the four formats of the copy
// dialog. Every renderer returns the lines without line ends; the texts are
// meant for a fixed-width font, and the boxed ones read back through import.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/board_cells.h"

namespace velmar {

enum class ClipboardFormat {
    NoCandidate = 1,    // 13 boxed lines of 49 characters, one character a cell
    WithCandidates = 2, // 13 boxed lines, each cell its digit or candidates
    NineByNine = 3,     // 9 lines of 9 characters
    OneLine = 4,        // one line of 81 characters
};

// The blank symbol the "Express blanks as" box stands for: its text without
// surrounding blanks when that is exactly one character, else ".".
std::string BlankSymbol(std::string_view boxText);

// "No Candidate": a filled cell holding one character shows it, every other
// cell the blank symbol; the borders depend on the blank symbol so that they
// never look like a blank.
std::vector<std::string> RenderNoCandidate(const BoardCells& board, std::string_view blank);

// "With Candidates" before narrowing: every cell right-aligned in ten
// columns, 94 characters a line (the import examples are written this way).
std::vector<std::string> RenderWithCandidatesWide(const BoardCells& board);

// Shortens every run of blanks that the nine row lines share to two, taking
// the same columns out of the border lines.
void NarrowColumns(std::vector<std::string>& lines);

// "With Candidates": the wide form, narrowed.
std::vector<std::string> RenderWithCandidates(const BoardCells& board);

// "9*9" and "1*81": the cell characters of "No Candidate" without borders.
std::vector<std::string> RenderNineByNine(const BoardCells& board, std::string_view blank);
std::string RenderOneLine(const BoardCells& board, std::string_view blank);

// The format as the copy dialog shows it, from the box's raw text ("With
// Candidates" always uses ".").
std::vector<std::string> RenderClipboardText(const BoardCells& board, ClipboardFormat format,
                                             std::string_view blankBoxText);

// The lines joined, each followed by `lineEnd`.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd);

} // namespace velmar
