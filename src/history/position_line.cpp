// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading position lines. Reading takes the entries one by one
// up to the next comma; the 81st entry is all that is left, so a line with
// more than 81 entries leaves commas in it and is refused as a whole.
//
// An entry is a State digit 1..3 and a Text of distinct digits 1..9: at most
// one digit for a given or placed cell (none after its digit was pruned), any
// candidate set for an open cell. Anything else is a damaged line; the whole
// line is read before any cell changes, so a refused line leaves the board
// exactly as it was.
#include "history/position_line.h"

#include "text/trim.h"

#include <array>

namespace velmar {

namespace {

constexpr int kCells = 81;

} // namespace

std::optional<PositionEntry> ParsePositionEntry(std::string_view entry) {
    if (entry.empty() || entry[0] < '1' || entry[0] > '3') return std::nullopt;
    PositionEntry out;
    out.State = entry[0] - '0';
    const std::string_view text = entry.substr(1);
    if (out.State != kStateOpen && text.size() > 1) return std::nullopt;
    unsigned seen = 0;
    for (char ch : text) {
        if (ch < '1' || ch > '9') return std::nullopt;
        const unsigned bit = 1u << (ch - '1');
        if (seen & bit) return std::nullopt;
        seen |= bit;
    }
    out.Text.assign(text);
    return out;
}

std::string WritePositionLine(const BoardCells& board) {
    std::string line;
    line.reserve(890);
    for (int i = 0; i < kCells; ++i) {
        if (i > 0) line += ',';
        line += std::to_string(board.at(i).State);
        line += board.at(i).Text;
    }
    return line;
}

bool ReadPositionLine(BoardCells& board, std::string_view line) {
    std::array<PositionEntry, kCells> entries;
    std::string_view rest = line;
    for (int i = 0; i < kCells; ++i) {
        std::string_view entry = rest;
        rest = {};
        if (i < kCells - 1) {
            const auto comma = entry.find(',');
            if (comma == std::string_view::npos) return false; // fewer than 81 entries
            rest = entry.substr(comma + 1);
            entry = entry.substr(0, comma);
        }
        auto parsed = ParsePositionEntry(TrimBlanks(entry));
        if (!parsed) return false;
        entries[i] = std::move(*parsed);
    }
    for (int i = 0; i < kCells; ++i) {
        board.at(i).State = entries[i].State;
        board.at(i).Text = std::move(entries[i].Text);
    }
    return true;
}

} // namespace velmar
