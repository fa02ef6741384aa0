// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/elapsed_notes.h"

#include "history/position_line.h"
#include "storage/text_file_io.h"
#include "text/decimal.h"
#include "text/text_lines.h"

#include <charconv>
#include <vector>

namespace velmar {

namespace {

// FNV-1a, 64 bits: stable across versions and platforms, which std::hash is not.
std::uint64_t Fnv1a(std::string_view text, std::uint64_t hash = 14695981039346656037ULL) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string Hex16(std::uint64_t value) {
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4) out[i] = "0123456789abcdef"[value & 15];
    return out;
}

// Sixteen hexadecimal digits, as Hex16 writes them.
std::optional<std::uint64_t> ParseHex16(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string FilePath(const std::string& folder) {
    return folder + "/" + std::string(kElapsedFileName);
}

} // namespace

std::string SavedGameClockKey(std::string_view name) {
    return "game:" + std::string(name);
}

std::uint64_t GameFileFingerprint(const GameFile& file) {
    return Fnv1a(WriteGameFile(file));
}

std::uint64_t SavedGameFingerprint(const SavedGame& game) {
    const std::string level = std::to_string(game.Level) + '\n';
    return Fnv1a(WritePositionLine(game.Board), Fnv1a(game.Solution + '\n', Fnv1a(level)));
}

ElapsedNotes ElapsedNotes::Read(std::string_view text) {
    ElapsedNotes out;
    for (const std::string& line : SplitTextLines(text)) {
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos || second - first - 1 != 16) continue;
        const auto seconds = ParseDecimal(std::string_view(line).substr(0, first));
        const auto fingerprint = ParseHex16(std::string_view(line).substr(first + 1, 16));
        if (!seconds || *seconds > UINT32_MAX || !fingerprint) continue;
        out.notes_[line.substr(second + 1)] = {*fingerprint, static_cast<std::uint32_t>(*seconds)};
    }
    return out;
}

std::string ElapsedNotes::Write() const {
    std::vector<std::string> lines;
    for (const auto& [key, note] : notes_) {
        lines.push_back(std::to_string(note.seconds) + '\t' + Hex16(note.fingerprint) + '\t' + key);
    }
    return JoinTextLines(lines);
}

void ElapsedNotes::set(const std::string& key, std::uint64_t fingerprint, std::uint32_t seconds) {
    notes_[key] = {fingerprint, seconds};
}

std::optional<std::uint32_t> ElapsedNotes::get(const std::string& key,
                                               std::uint64_t fingerprint) const {
    const auto it = notes_.find(key);
    if (it == notes_.end() || it->second.fingerprint != fingerprint) return std::nullopt;
    return it->second.seconds;
}

ElapsedNotes LoadElapsedNotes(const std::string& folder) {
    const FileReadResult file = ReadTextFile(FilePath(folder));
    return file.Outcome == FileReadResult::Read ? ElapsedNotes::Read(file.Text) : ElapsedNotes{};
}

FileWriteResult SaveElapsedNotes(const std::string& folder, const ElapsedNotes& notes) {
    return WriteFileAtomically(FilePath(folder), notes.Write());
}

} // namespace velmar
