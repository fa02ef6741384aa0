// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/puzzle_file.h"

#include "exchange/puzzle_text_import.h"

#include <vector>

namespace velmar {
namespace {

bool Blank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

bool Imports(std::string_view text) {
    return ImportPuzzleText(text).layout != kLayoutInvalid;
}

std::vector<std::string_view> Lines(std::string_view text, bool skipComments) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!(skipComments && !line.empty() && line.front() == '#')) lines.push_back(line);
    }
    return lines;
}

// Groups of lines between empty lines, each joined back with line breaks.
std::vector<std::string> Blocks(const std::vector<std::string_view>& lines) {
    std::vector<std::string> blocks;
    bool open = false;
    for (std::string_view line : lines) {
        if (Blank(line)) {
            open = false;
            continue;
        }
        if (!open)
            blocks.emplace_back();
        else
            blocks.back() += '\n';
        blocks.back() += line;
        open = true;
    }
    return blocks;
}

std::string Joined(const std::vector<std::string_view>& lines) {
    std::string whole;
    for (std::string_view line : lines) (whole += line) += '\n';
    return whole;
}

// Several puzzles only when every part is one; else the whole text decides.
PuzzleFile Read(const std::vector<std::string_view>& lines, const std::string& whole) {
    std::vector<std::string> puzzles;
    for (std::string_view line : lines)
        if (!Blank(line)) puzzles.emplace_back(line);
    bool allLines = puzzles.size() > 1;
    for (std::size_t i = 0; allLines && i < puzzles.size(); ++i)
        allLines = ImportPuzzleText(puzzles[i]).layout == kLayoutString;
    if (allLines) return {puzzles.size(), puzzles.front()};

    const std::vector<std::string> blocks = Blocks(lines);
    bool allBlocks = blocks.size() > 1;
    for (std::size_t i = 0; allBlocks && i < blocks.size(); ++i) allBlocks = Imports(blocks[i]);
    if (allBlocks) return {blocks.size(), blocks.front()};

    if (Imports(whole)) return {1, whole};
    return {};
}

} // namespace

PuzzleFile ReadPuzzleFile(std::string_view utf8Text) {
    if (utf8Text.starts_with("\xEF\xBB\xBF")) utf8Text.remove_prefix(3);
    PuzzleFile file = Read(Lines(utf8Text, false), std::string(utf8Text));
    if (file.count > 0) return file;
    const std::vector<std::string_view> uncommented = Lines(utf8Text, true);
    return Read(uncommented, Joined(uncommented));
}

} // namespace velmar
