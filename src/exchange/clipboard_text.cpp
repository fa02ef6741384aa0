// SPDX-License-Identifier: GPL-3.0-or-later
// The four clipboard formats. The boxed ones share one layout: a top line,
// rows 1-3, a separator, rows 4-6, a separator, rows 7-9 and a bottom line
// equal to the top; a row line is an edge, three cells, an edge, and so on.
//
// A cell character is taken only from a filled cell holding exactly one
// character. A placed digit that play pruned away leaves an empty or, after
// the copy dialog's fill, a multi-digit text; taking that as it stands would
// shift every later cell of the borderless formats, so it shows as a blank.
#include "exchange/clipboard_text.h"

#include "exchange/text_columns.h"
#include "text/trim.h"

#include <algorithm>

namespace velmar {

namespace {

constexpr std::size_t kNoCandidateWidth = 5;
constexpr std::size_t kCandidateWidth = 10;
// Lines 0, 4, 8 and 12 are borders; the others hold rows 1-9.
constexpr int kBoxedLines = 13;

bool IsBorderLine(int line) {
    return line % 4 == 0;
}

std::string CellCharacter(const TPicNode& node, std::string_view blank) {
    if (node.State != kStateOpen) {
        const std::string_view text = TrimBlanks(node.Text);
        if (CharacterCount(text) == 1) return std::string(text);
    }
    return std::string(blank);
}

// Row r (1..9) as edge, cells 1-3, edge, cells 4-6, edge, cells 7-9, edge.
template <typename CellText>
std::string RowLine(int row, std::string_view edge, std::size_t width, CellText cellText) {
    std::string line(edge);
    for (int col = 1; col <= 9; ++col) {
        line += RightAligned(cellText(row, col), width);
        if (col % 3 == 0) line += edge;
    }
    return line;
}

// The 13 lines from the border lines and a row renderer.
template <typename Row>
std::vector<std::string> Boxed(const std::string& top, const std::string& separator, Row row) {
    std::vector<std::string> lines;
    lines.reserve(kBoxedLines);
    int next = 1;
    for (int line = 0; line < kBoxedLines; ++line) {
        if (line == 0 || line == kBoxedLines - 1)
            lines.push_back(top);
        else if (IsBorderLine(line))
            lines.push_back(separator);
        else
            lines.push_back(row(next++));
    }
    return lines;
}

// A border: `end`, three runs of `width` fill characters joined by `join`,
// `end`.
std::string Border(char end, char fill, char join, std::size_t width) {
    std::string run(width, fill);
    return end + run + join + run + join + run + end;
}

} // namespace

std::string BlankSymbol(std::string_view boxText) {
    const std::string_view text = TrimBlanks(boxText);
    return CharacterCount(text) == 1 ? std::string(text) : std::string(".");
}

std::vector<std::string> RenderNoCandidate(const BoardCells& board, std::string_view blank) {
    const std::size_t box = 3 * kNoCandidateWidth;
    const std::string_view edge = blank == "|" ? ":" : "|";
    const char fill = blank == "-" ? '~' : '-';
    // The top line's corners are stars unless the stars are the blanks.
    const char corner = blank == "*" ? '-' : '*';
    const std::string top = corner + std::string(3 * box + 2, fill) + corner;
    const char join = blank == "+" ? ':' : '+';
    const std::string separator = Border(edge[0], fill, join, box);
    return Boxed(top, separator, [&](int row) {
        return RowLine(row, edge, kNoCandidateWidth,
                       [&](int r, int c) { return CellCharacter(board.cell(r, c), blank); });
    });
}

std::vector<std::string> RenderWithCandidatesWide(const BoardCells& board) {
    const std::size_t box = 3 * kCandidateWidth;
    const std::string top = '*' + std::string(3 * box + 2, '-') + '*';
    return Boxed(top, Border('|', '-', '+', box), [&](int row) {
        return RowLine(row, "|", kCandidateWidth, [&](int r, int c) {
            const std::string& text = board.cell(r, c).Text;
            return text.empty() ? std::string(".") : text;
        });
    });
}

void NarrowColumns(std::vector<std::string>& lines) {
    if (lines.size() != kBoxedLines) return;
    // Work on characters, not bytes, so that columns stay aligned whatever a
    // cell holds.
    std::vector<std::vector<std::string_view>> chars;
    for (const std::string& line : lines) chars.push_back(SplitCharacters(line));
    // Position p counts from 1, as does the top line's length.
    const auto blankAt = [&](std::size_t p) {
        for (int line = 0; line < kBoxedLines; ++line) {
            if (IsBorderLine(line)) continue;
            const auto& row = chars[line];
            if (p > row.size() || row[p - 1] != " ") return false;
        }
        return true;
    };
    bool deleted = true;
    while (deleted) {
        deleted = false;
        const std::size_t length = chars[0].size();
        if (length < 6) break;
        for (std::size_t p = length - 3; p >= 3; --p) {
            if (!blankAt(p - 1) || !blankAt(p) || !blankAt(p + 1)) continue;
            for (auto& line : chars)
                if (p <= line.size()) line.erase(line.begin() + static_cast<std::ptrdiff_t>(p - 1));
            deleted = true;
        }
    }
    std::vector<std::string> narrowed;
    for (const auto& line : chars) {
        std::string joined;
        for (std::string_view ch : line) joined += ch;
        narrowed.push_back(std::move(joined));
    }
    lines = std::move(narrowed);
}

std::vector<std::string> RenderWithCandidates(const BoardCells& board) {
    std::vector<std::string> lines = RenderWithCandidatesWide(board);
    NarrowColumns(lines);
    return lines;
}

std::vector<std::string> RenderNineByNine(const BoardCells& board, std::string_view blank) {
    std::vector<std::string> lines(9);
    for (int i = 0; i < 81; ++i) lines[i / 9] += CellCharacter(board.at(i), blank);
    return lines;
}

std::string RenderOneLine(const BoardCells& board, std::string_view blank) {
    return JoinLines(RenderNineByNine(board, blank), "");
}

std::vector<std::string> RenderClipboardText(const BoardCells& board, ClipboardFormat format,
                                             std::string_view blankBoxText) {
    const std::string blank = BlankSymbol(blankBoxText);
    switch (format) {
    case ClipboardFormat::NoCandidate:
        return RenderNoCandidate(board, blank);
    case ClipboardFormat::WithCandidates:
        return RenderWithCandidates(board);
    case ClipboardFormat::NineByNine:
        return RenderNineByNine(board, blank);
    case ClipboardFormat::OneLine:
        return {RenderOneLine(board, blank)};
    }
    return {};
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

} // namespace velmar
