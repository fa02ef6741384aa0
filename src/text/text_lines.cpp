// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_lines.h"

namespace velmar {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string TextFileError::Describe() const {
    if (Line <= 0) return Message;
    return "line " + std::to_string(Line) + ": " + Message;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
    // All of them: a written file must never begin with one.
    while (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
    }
    return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        unsigned low = 0x80, high = 0xBF; // allowed range of the first continuation byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            if (lead == 0xE0) low = 0xA0;  // overlong
            if (lead == 0xED) high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            if (lead == 0xF0) low = 0x90;  // overlong
            if (lead == 0xF4) high = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (bytes.size() - i - 1 < static_cast<std::size_t>(follow)) return false;
        for (int k = 1; k <= follow; ++k) {
            const auto ch = static_cast<unsigned char>(bytes[i + k]);
            const unsigned lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
            if (ch < lo || ch > hi) return false;
        }
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

} // namespace velmar
