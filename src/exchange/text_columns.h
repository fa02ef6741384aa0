// SPDX-License-Identifier: GPL-3.0-or-later
// Column arithmetic for the fixed-width texts the program writes: a character
// is one UTF-8 sequence, so a typed symbol such as 'é' takes one column like
// an ASCII one. Bytes that are not valid UTF-8 still count once each at most,
// so nothing here can fail or read past a text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// The text split into its characters, in order.
std::vector<std::string_view> SplitCharacters(std::string_view text);

std::size_t CharacterCount(std::string_view text);

// The text preceded by blanks up to `width` characters; a longer text is kept
// whole.
std::string RightAligned(std::string_view text, std::size_t width);

} // namespace velmar
