// SPDX-License-Identifier: GPL-3.0-or-later
// The printable page: the board as an HTML 4.01 page in one of two styles and
// three paper sizes, for the system's HTML viewer to print.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/board_cells.h"

namespace velmar {

enum class PrintStyle { Normal, WithCandidates };
// The paper-size items of the print dialog, in their order.
enum class PaperSize { Small = 0, Normal = 1, Big = 2 };

struct PrintMetrics {
    int cellPx;      // cell width and height, also the row-label height
    int digitPt;     // font size of a given or placed digit
    int candidatePt; // font size of an open cell's candidates
};

PrintMetrics PrintMetricsFor(PaperSize size);

// The file the page is written to, in the temporary folder.
inline constexpr std::string_view kPrintPageFileName = "print_temp.htm";

// The page template for a row-label height: fixed lines, placeholder lines
// for the charset (line 9), the title (12) and the credit (13), and from
// line 38 on one line per cell that starts with "node", the row and the
// column digit.
std::vector<std::string> PrintPageTemplate(int rowHeightPx);

// The HTML of one cell: a given in black, a placed digit in blue, an open
// cell with its candidates as held (style WithCandidates) or empty (Normal).
std::string PrintCellHtml(const TPicNode& node, PrintStyle style, const PrintMetrics& metrics);

// The page's lines. `title` and `credit` are the texts of the string-table
// keys frmprintselect.sudoku and frmprintselect.sudokuby.
std::vector<std::string> BuildPrintablePage(const BoardCells& board, PrintStyle style,
                                            PaperSize size, std::string_view title,
                                            std::string_view credit);

// The page as the file holds it: UTF-8, every line ended by CR LF.
std::string PrintablePageText(const BoardCells& board, PrintStyle style, PaperSize size,
                              std::string_view title, std::string_view credit);

} // namespace velmar
