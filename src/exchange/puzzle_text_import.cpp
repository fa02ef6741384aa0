// SPDX-License-Identifier: GPL-3.0-or-later
// Recognition, first rule that matches:
//   1. the trimmed text is 81 characters (line breaks inside count);
//   2. the characters that are not whitespace, V, are 81;
//   3. V holds more than 81 digits: a candidate grid;
//   4. with B = 81 - digits, one of the blank symbols occurs exactly B times.
// Layouts 1..3 fill the grid from 81 characters; layout 3 first keeps, in
// order, only the digits and the chosen blank symbol. Layout 4 gives each
// cell one maximal run of digits.
//
// Everything is one or two passes over the text, so a megabyte of pasted
// text costs a few milliseconds. The candidate grid's "turn every other
// character into a separator and merge repeated separators" is exactly a
// split into maximal digit runs, which is how it is done here.
#include "exchange/puzzle_text_import.h"

#include "exchange/utf8_decode.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace velmar {

namespace {

constexpr std::size_t kCells = 81;
constexpr char32_t kFullWidthQuestion = 0xFF1F; // '？'

// Tried in this order when recognising a decorated grid...
constexpr std::array<char32_t, 10> kBlankSymbols = {'.', '*', '_', '-', '`',
                                                    ',', 'x', 'X', '?', kFullWidthQuestion};
// ...and when choosing its blank symbol, with '~' before the full-width '？'.
constexpr std::array<char32_t, 11> kConversionBlanks = {
    '.', '*', '_', '-', '`', ',', 'x', 'X', '?', '~', kFullWidthQuestion};

bool IsWhitespace(char32_t ch) {
    return ch <= 0x20;
}
bool IsDigit(char32_t ch) {
    return ch >= '1' && ch <= '9';
}

// Occurrences of the characters the rules count, from one pass.
struct Counts {
    std::array<std::size_t, 128> ascii{};
    std::size_t fullWidthQuestion = 0;
    std::size_t visible = 0; // characters that are not whitespace

    std::size_t of(char32_t ch) const {
        return ch == kFullWidthQuestion ? fullWidthQuestion : ascii[ch];
    }
    std::size_t digits() const {
        std::size_t n = 0;
        for (char ch = '1'; ch <= '9'; ++ch) n += ascii[static_cast<unsigned char>(ch)];
        return n;
    }
};

Counts CountCharacters(std::u32string_view text) {
    Counts counts;
    for (char32_t ch : text) {
        if (ch < 128)
            ++counts.ascii[ch];
        else if (ch == kFullWidthQuestion)
            ++counts.fullWidthQuestion;
        if (!IsWhitespace(ch)) ++counts.visible;
    }
    return counts;
}

// Digits become givens; every other character an open cell that takes the
// digits no given peer holds, once all 81 cells are set.
BoardCells FillFrom81(std::u32string_view chars) {
    BoardCells grid;
    for (std::size_t i = 0; i < kCells; ++i) {
        TPicNode& node = grid.at(static_cast<int>(i));
        if (IsDigit(chars[i])) {
            node.State = kStatePlaced;
            node.Text.assign(1, static_cast<char>(chars[i]));
        } else {
            node.State = kStateOpen;
        }
    }
    // Open cells never count as filled peers, so the order does not matter.
    for (int i = 0; i < static_cast<int>(kCells); ++i)
        if (grid.at(i).State == kStateOpen)
            grid.at(i).Text = grid.PeerCandidates(i / 9 + 1, i % 9 + 1);
    return grid;
}

// Keeps, in order, every character of `text` that passes `keep`; the caller
// knows there are exactly 81 of them.
template <typename Keep> BoardCells FillFromKept(std::u32string_view text, Keep keep) {
    std::u32string kept;
    kept.reserve(kCells);
    for (char32_t ch : text)
        if (keep(ch)) kept += ch;
    return FillFrom81(kept);
}

// One cell per maximal run of digits: the first 81 runs in order; with
// fewer, the last run goes to the last cell and the cells between keep an
// empty text. A run of one digit is a given; any other text stays as it is
// written (order and repeats kept, candidates not recomputed).
BoardCells FillFromDigitRuns(std::u32string_view text) {
    using Run = std::pair<std::size_t, std::size_t>; // [begin, end)
    std::vector<Run> runs;
    runs.reserve(kCells);
    for (std::size_t i = 0; i < text.size();) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t begin = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (runs.size() < kCells) runs.emplace_back(begin, i); // later runs are ignored
    }
    BoardCells grid;
    for (std::size_t cell = 0; cell < kCells; ++cell) {
        TPicNode& node = grid.at(static_cast<int>(cell));
        node.State = kStateOpen;
        node.Text.clear();
    }
    const bool tooFew = runs.size() < kCells;
    for (std::size_t g = 0; g < runs.size(); ++g) {
        const std::size_t cell = tooFew && g + 1 == runs.size() ? kCells - 1 : g;
        TPicNode& node = grid.at(static_cast<int>(cell));
        const auto [begin, end] = runs[g];
        node.Text.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i) node.Text += static_cast<char>(text[i]);
        node.State = node.Text.size() == 1 ? kStatePlaced : kStateOpen;
    }
    return grid;
}

} // namespace

PuzzleTextImport ImportPuzzleText(std::string_view utf8Text) {
    const std::u32string decoded = DecodeUtf8(utf8Text);
    const std::u32string_view text = decoded;
    PuzzleTextImport out;

    std::size_t first = 0, last = text.size();
    while (first < last && IsWhitespace(text[first])) ++first;
    while (last > first && IsWhitespace(text[last - 1])) --last;
    if (last - first == kCells) {
        out.layout = kLayoutString;
        out.grid = FillFrom81(text.substr(first, kCells));
        return out;
    }

    const Counts counts = CountCharacters(text);
    if (counts.visible == kCells) {
        out.layout = kLayoutVisible;
        out.grid = FillFromKept(text, [](char32_t ch) { return !IsWhitespace(ch); });
        return out;
    }

    const std::size_t digits = counts.digits();
    if (digits > kCells) {
        out.layout = kLayoutCandidates;
        out.grid = FillFromDigitRuns(text);
        return out;
    }

    const std::size_t blanks = kCells - digits;
    bool recognised = false;
    for (char32_t symbol : kBlankSymbols) recognised = recognised || counts.of(symbol) == blanks;
    if (!recognised) return out;
    // The conversion list holds every recognition symbol, so one is found.
    char32_t blank = 0;
    for (char32_t symbol : kConversionBlanks) {
        if (counts.of(symbol) == blanks) {
            blank = symbol;
            break;
        }
    }
    out.layout = kLayoutDecorated;
    out.grid = FillFromKept(text, [blank](char32_t ch) { return IsDigit(ch) || ch == blank; });
    return out;
}

std::string ImportedPuzzleLine(const BoardCells& grid) {
    std::string line(kCells, '.');
    for (std::size_t i = 0; i < kCells; ++i) {
        const TPicNode& node = grid.at(static_cast<int>(i));
        if (node.State == kStatePlaced && node.Text.size() == 1) line[i] = node.Text[0];
    }
    return line;
}

} // namespace velmar
