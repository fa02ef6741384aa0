// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store as an INI text in the layout QSettings writes (value
// "SOFTWARE\Velmar\NAME" as key "Velmar\NAME" of section "[SOFTWARE]"), held
// in memory: reads and writes touch only memory, and the text is stored once
// per save by Commit. Foreign entries are kept; lines that are no section
// header, comment or key=value entry are dropped, so a damaged file comes
// out whole after one save.
#pragma once

#include "storage/settings_store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class IniSettingsStore : public SettingsBackend {
  public:
    // Replaces the contents by those of an INI text (a BOM and bare LF line
    // ends accepted).
    void Load(std::string_view text);
    // The text to store: CR LF line ends, no BOM.
    std::string Text() const;

    bool HasKey(std::string_view keyPath) const override;
    bool HasValue(std::string_view keyPath, std::string_view name) const override;
    std::string ReadString(std::string_view keyPath, std::string_view name) const override;
    bool WriteString(std::string_view keyPath, std::string_view name,
                     std::string_view value) override;

  private:
    // One key=value line of the text, kept in lines_.
    struct Entry {
        std::size_t section; // index into sections_
        std::size_t offset;  // of the line in lines_
        std::size_t length;
        std::size_t keyLength; // the key's length, blanks trimmed
    };

    std::string_view LineOf(const Entry& entry) const {
        return std::string_view(lines_).substr(entry.offset, entry.length);
    }
    // Whether the entry's full path is `path` (`whole`) or starts with it.
    bool PathMatches(const Entry& entry, std::string_view path, bool whole) const;
    // The entries under a group, found by one pass and kept until the next
    // Load, so the nine values cost one pass over a big file, not nine.
    const std::vector<std::size_t>& Group(std::string_view keyPath) const;
    const Entry* Find(std::string_view keyPath, std::string_view name) const;
    void Add(std::size_t section, std::string_view line, std::size_t keyLength);

    // Section names as written and their value-path prefixes ("" or
    // "NAME/"); the first is the unnamed part before any header.
    std::vector<std::string> sections_{std::string()};
    std::vector<std::string> prefixes_{std::string()};
    std::vector<Entry> entries_;
    // Every kept line back to back: a million foreign entries stay compact.
    std::string lines_;
    mutable std::string groupPrefix_; // "KEY/PATH/" of the kept group, or empty
    mutable std::vector<std::size_t> groupEntries_;
};

} // namespace velmar
