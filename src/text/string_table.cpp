// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/string_table.h"

#include <fstream>
#include <iterator>

namespace velmar {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The key part of a line, or nothing for a line without "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return line.substr(0, eq);
}

} // namespace

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

void StringTable::LoadLanguage(std::string_view tableText) {
    lines_.clear();
    firstByKey_.clear();
    if (tableText.starts_with(kUtf8Bom)) tableText.remove_prefix(kUtf8Bom.size());
    std::size_t start = 0;
    while (start < tableText.size()) {
        const std::size_t end = tableText.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            Append(std::string(tableText.substr(start)));
            break;
        }
        Append(std::string(tableText.substr(start, end - start)));
        start = end + 1;
        if (tableText[end] == '\r' && start < tableText.size() && tableText[start] == '\n') ++start;
    }
}

void StringTable::IndexLine(std::size_t i) {
    if (const auto key = KeyOf(lines_[i])) firstByKey_.try_emplace(AsciiLower(*key), i);
}

void StringTable::Append(std::string line) {
    lines_.push_back(std::move(line));
    IndexLine(lines_.size() - 1);
}

std::string StringTable::LookupText(std::string_view key) const {
    const auto it = firstByKey_.find(AsciiLower(key));
    if (it == firstByKey_.end()) return {};
    const std::string& line = lines_[it->second];
    return line.substr(line.find('=') + 1);
}

bool StringTable::Contains(std::string_view key) const {
    return firstByKey_.contains(AsciiLower(key));
}

std::vector<std::string> StringTable::Keys() const {
    std::vector<std::string> keys;
    for (const std::string& line : lines_) {
        if (const auto key = KeyOf(line)) keys.emplace_back(*key);
    }
    return keys;
}

StringTable ParseStringTable(std::string_view tableText) {
    StringTable table;
    table.LoadLanguage(tableText);
    return table;
}

std::optional<std::string> ReadTableFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return text;
}

} // namespace velmar
