// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/text_columns.h"

namespace velmar {

namespace {

// A byte 10xxxxxx continues the character before it.
bool Continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::vector<std::string_view> SplitCharacters(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || !Continues(text[i])) {
            out.push_back(text.substr(start, i - start));
            start = i;
        }
    }
    return out;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 0 || !Continues(text[i])) ++count;
    return count;
}

std::string RightAligned(std::string_view text, std::size_t width) {
    const std::size_t count = CharacterCount(text);
    std::string out(count < width ? width - count : 0, ' ');
    out += text;
    return out;
}

} // namespace velmar
