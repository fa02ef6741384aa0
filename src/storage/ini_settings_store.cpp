// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ini_settings_store.h"

#include "text/trim.h"

#include <algorithm>

namespace velmar {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Bytes that never appear in a line this store keeps or writes.
bool HasControlCharacter(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < ' ' && c != '\t') || byte == 0x7F;
    });
}

// QSettings separates the parts of a key path by '/' and writes them as '\'.
std::string PathText(std::string_view text) {
    std::string path(text);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string PrefixOf(std::string_view section) {
    // QSettings keeps values outside any group in "[General]".
    if (section.empty() || section == "General") return {};
    return PathText(section) + '/';
}

bool IsPlain(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '_' || c == '-' || c == '.' || c == '+';
    });
}

// A value as QSettings reads it back: plain, or quoted with backslash escapes.
std::string Quoted(std::string_view value) {
    if (IsPlain(value)) return std::string(value);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < ' ' || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Unquoted(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::string(text);
    text = text.substr(1, text.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
        } else if (text[i + 1] == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 &&
                   HexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            out += text[++i];
        }
    }
    return out;
}

} // namespace

void IniSettingsStore::Add(std::size_t section, std::string_view line, std::size_t keyLength) {
    entries_.push_back({section, lines_.size(), line.size(), keyLength});
    lines_.append(line);
    if (!groupPrefix_.empty() && PathMatches(entries_.back(), groupPrefix_, false))
        groupEntries_.push_back(entries_.size() - 1);
}

void IniSettingsStore::Load(std::string_view text) {
    sections_.assign(1, std::string());
    prefixes_.assign(1, std::string());
    entries_.clear();
    lines_.clear();
    groupPrefix_.clear();
    groupEntries_.clear();
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    lines_.reserve(text.size());
    // Entries under a damaged header are dropped with it: their place is unknown.
    bool dropping = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const bool damaged = HasControlCharacter(line);
        line = TrimBlanks(line);
        // A BOM inside the text would turn into one at its start.
        if (line.empty() || line[0] == ';' || line[0] == '#' || line.starts_with(kBom)) continue;
        if (line[0] == '[') {
            dropping = damaged || line.size() < 3 || line.back() != ']';
            if (dropping) continue;
            sections_.emplace_back(line.substr(1, line.size() - 2));
            prefixes_.push_back(PrefixOf(sections_.back()));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (dropping || damaged || eq == std::string_view::npos) continue;
        const std::size_t keyLength = TrimBlanks(line.substr(0, eq)).size();
        if (keyLength == 0) continue;
        Add(sections_.size() - 1, line, keyLength);
    }
}

std::string IniSettingsStore::Text() const {
    // Entries added later belong to earlier sections: write section by section.
    std::vector<std::vector<std::size_t>> bySection(sections_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) bySection[entries_[i].section].push_back(i);
    std::string out;
    out.reserve(lines_.size() + 2 * entries_.size() + 64);
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        if (s > 0) out += '[' + sections_[s] + "]\r\n";
        for (std::size_t i : bySection[s]) {
            out += LineOf(entries_[i]);
            out += "\r\n";
        }
    }
    return out;
}

bool IniSettingsStore::PathMatches(const Entry& entry, std::string_view path, bool whole) const {
    const std::string& prefix = prefixes_[entry.section];
    const std::string_view key = LineOf(entry).substr(0, entry.keyLength);
    const std::size_t length = prefix.size() + key.size();
    if (whole ? length != path.size() : length < path.size()) return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = i < prefix.size() ? prefix[i] : key[i - prefix.size()];
        if ((c == '\\' ? '/' : c) != path[i]) return false;
    }
    return true;
}

const std::vector<std::size_t>& IniSettingsStore::Group(std::string_view keyPath) const {
    const std::string prefix = PathText(keyPath) + '/';
    if (prefix != groupPrefix_) {
        groupPrefix_ = prefix;
        groupEntries_.clear();
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (PathMatches(entries_[i], prefix, false)) groupEntries_.push_back(i);
    }
    return groupEntries_;
}

const IniSettingsStore::Entry* IniSettingsStore::Find(std::string_view keyPath,
                                                      std::string_view name) const {
    const std::string path = PathText(keyPath) + '/' + std::string(name);
    const std::vector<std::size_t>& group = Group(keyPath);
    // A key written twice reads as its last line, as QSettings reads it.
    for (auto it = group.rbegin(); it != group.rend(); ++it)
        if (PathMatches(entries_[*it], path, true)) return &entries_[*it];
    return nullptr;
}

bool IniSettingsStore::HasKey(std::string_view keyPath) const {
    return !Group(keyPath).empty();
}

bool IniSettingsStore::HasValue(std::string_view keyPath, std::string_view name) const {
    return Find(keyPath, name) != nullptr;
}

std::string IniSettingsStore::ReadString(std::string_view keyPath, std::string_view name) const {
    const Entry* entry = Find(keyPath, name);
    if (entry == nullptr) return {};
    const std::string_view line = LineOf(*entry);
    return Unquoted(TrimBlanks(line.substr(line.find('=') + 1)));
}

bool IniSettingsStore::WriteString(std::string_view keyPath, std::string_view name,
                                   std::string_view value) {
    if (const Entry* found = Find(keyPath, name)) {
        // The key keeps its spelling; the new line goes to the end of the
        // buffer and the old one stays there unused.
        Entry& entry = entries_[static_cast<std::size_t>(found - entries_.data())];
        const std::string line =
            std::string(LineOf(entry).substr(0, entry.keyLength)) + '=' + Quoted(value);
        entry.offset = lines_.size();
        entry.length = line.size();
        lines_ += line;
        return true;
    }
    // As QSettings writes it: the first part of the path names the section.
    const std::string path = PathText(keyPath) + '/' + std::string(name);
    const std::size_t slash = path.find('/');
    const std::string section = path.substr(0, slash);
    std::string key = path.substr(slash + 1);
    std::replace(key.begin(), key.end(), '/', '\\');
    std::size_t index = sections_.size();
    while (index > 1 && sections_[index - 1] != section) --index;
    if (index <= 1) {
        sections_.push_back(section);
        prefixes_.push_back(PrefixOf(section));
        index = sections_.size();
    }
    Add(index - 1, key + '=' + Quoted(value), key.size());
    return true;
}

} // namespace velmar
