// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/import_examples.h"

#include "board/board_cells.h"
#include "exchange/clipboard_text.h"

namespace velmar {

namespace {

constexpr std::string_view kExample1 =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
constexpr std::string_view kExample2 =
    "*8******7\n****96***\n**2**3***\n*******9*\n**9***56*\n***1****4\n4********\n****5**3*\n"
    "71*8*****";
// A puzzle with one solution, '.' for its blanks.
constexpr std::string_view kExample3 =
    ".95..3814....586..3.......9.34.8...5.7.....4.5...4.32.1.......6..763....9.....7..";
// A game in progress, its candidates thinned by box/line reductions and a
// pair beyond what the givens alone leave: cells joined by commas.
constexpr std::string_view kExample4 =
    "14679,167,2,13479,13479,8,5,169,146,5,8,469,1249,149,1249,3,169,7,1479,3,479,6,5,1479,2,8,"
    "14,1467,167,467,12579,1679,125679,8,3,16,167,2,8,137,1367,167,4,5,9,3,9,5,14,8,146,7,16,2,8,"
    "5,1,479,479,479,6,2,3,2,67,679,8,1679,3,19,4,5,69,4,3,159,2,1569,19,7,8";

std::array<std::string, 81> CellsOfLine(std::string_view line) {
    std::array<std::string, 81> cells;
    for (size_t i = 0; i < cells.size() && i < line.size(); ++i) cells[i].assign(1, line[i]);
    return cells;
}

std::array<std::string, 81> CellsOfList(std::string_view list) {
    std::array<std::string, 81> cells;
    size_t i = 0;
    for (char ch : list) {
        if (ch == ',')
            ++i;
        else if (i < cells.size())
            cells[i] += ch;
    }
    return cells;
}

} // namespace

std::string WideCandidateGrid(const std::array<std::string, 81>& cells) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) board.at(i).Text = cells[i];
    return JoinLines(RenderWithCandidatesWide(board), "\n");
}

ImportExample ImportExampleText(int number) {
    switch (number) {
    case 1:
        return {std::string(kExample1), "msg_frmImport_81"};
    case 2:
        return {std::string(kExample2), "msg_frmImport_99"};
    case 3:
        return {WideCandidateGrid(CellsOfLine(kExample3)), "msg_frmImport_992"};
    case 4:
        return {WideCandidateGrid(CellsOfList(kExample4)), "msg_frmImport_cand"};
    default:
        return {};
    }
}

} // namespace velmar
