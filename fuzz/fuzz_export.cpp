// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the board renderers with cell texts of any bytes, beyond what a
// position line admits: the input is comma-separated, the first entry the
// blank box's text, then up to 81 cells, each a State byte and its Text.
// Every format must keep its shape, narrowing must take out blanks only,
// and the printable page must not take markup from a cell.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "board/board_cells.h"
#include "exchange/clipboard_text.h"
#include "exchange/fill_empty_cells.h"
#include "exchange/printable_page.h"
#include "exchange/text_columns.h"

namespace {

using namespace velmar;

void Require(bool condition) {
    if (!condition) std::abort();
}

std::string WithoutBlanks(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i % 4 == 0) continue; // borders
        for (char ch : lines[i])
            if (ch != ' ') out += ch;
    }
    return out;
}

// Columns are counted in UTF-8 characters; bytes that are no UTF-8 only
// need to be survived.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

void CheckColumns(const BoardCells& board, std::string_view boxText) {
    for (const std::string& line :
         RenderClipboardText(board, ClipboardFormat::NoCandidate, boxText))
        Require(CharacterCount(line) == 49);
    const auto rows = RenderClipboardText(board, ClipboardFormat::NineByNine, boxText);
    Require(rows.size() == 9);
    for (const std::string& row : rows) Require(CharacterCount(row) == 9);
    const auto line = RenderClipboardText(board, ClipboardFormat::OneLine, boxText);
    Require(line.size() == 1 && CharacterCount(line[0]) == 81);
}

void CheckClipboard(const BoardCells& board, std::string_view boxText, bool utf8) {
    if (utf8) CheckColumns(board, boxText);

    const auto wide = RenderWithCandidatesWide(board);
    const auto narrow = RenderWithCandidates(board);
    Require(wide.size() == 13 && narrow.size() == 13);
    Require(WithoutBlanks(wide) == WithoutBlanks(narrow));
    for (std::size_t i = 0; i < 13; i += 4) {
        Require(narrow[i].size() == narrow[0].size() && narrow[i].size() <= 94);
        Require(narrow[i].find_first_not_of("*-|+") == std::string::npos);
    }
}

// Every cell adds the same tags whatever it holds, so a page has as many
// '<' as the page of a board without texts.
void CheckPage(const BoardCells& board) {
    const auto markup = [](const BoardCells& b) {
        const std::string page =
            PrintablePageText(b, PrintStyle::WithCandidates, PaperSize::Big, "t", "c");
        return std::count(page.begin(), page.end(), '<');
    };
    static const auto expected = markup(BoardCells());
    Require(markup(board) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const auto next = [&rest] {
        const auto comma = rest.find(',');
        const std::string_view entry = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        return entry;
    };
    const std::string_view boxText = next();
    BoardCells board;
    for (int i = 0; i < 81 && !rest.empty(); ++i) {
        const std::string_view entry = next();
        if (entry.empty()) continue;
        // '1'..'3' as in a position line; other bytes give no state too.
        const char state = entry[0];
        board.at(i).State = state >= '0' && state <= '4' ? state - '0' : 0;
        board.at(i).Text.assign(entry.substr(1));
    }
    const bool utf8 = IsUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckClipboard(board, boxText, utf8);
    CheckPage(board);
    BoardCells filled = board;
    FillEmptyCells(filled);
    CheckClipboard(filled, boxText, utf8);
    Require(!FillEmptyCells(filled));
    return 0;
}
