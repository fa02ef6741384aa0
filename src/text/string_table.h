// SPDX-License-Identifier: GPL-3.0-or-later
// A UI string table: ordered "key=value" lines. The key is the text before the
// first "=", the value everything after it, kept exactly (blanks, further "=").
// Keys match without regard to ASCII letter case and the first matching entry
// wins, so later duplicates never shadow earlier ones.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmar {

class StringTable {
  public:
    StringTable() = default;

    // Replaces the whole table by the lines of a table text. Accepts a UTF-8
    // byte-order mark and CR LF, bare LF or bare CR line ends; a line break at
    // the very end does not start another entry.
    void LoadLanguage(std::string_view tableText);
    // Replaces the whole table by a copy of another one.
    void LoadLanguage(const StringTable& table) { *this = table; }

    // The value of the first entry whose key equals `key` ignoring letter
    // case; empty when there is none.
    std::string LookupText(std::string_view key) const;
    bool Contains(std::string_view key) const;

    // Adds one line at the end; it only takes part in lookups when its key
    // is new to the table.
    void Append(std::string line);

    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t Size() const { return lines_.size(); }
    // The keys of all entries in table order (lines without "=" have none).
    std::vector<std::string> Keys() const;

  private:
    void IndexLine(std::size_t i);

    std::vector<std::string> lines_;
    std::unordered_map<std::string, std::size_t> firstByKey_; // lower-case key -> line
};

// A table built from a table text.
StringTable ParseStringTable(std::string_view tableText);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadTableFile(const std::filesystem::path& file);

// ASCII lower case; other bytes (UTF-8 sequences) stay as they are.
std::string AsciiLower(std::string_view text);

} // namespace velmar
