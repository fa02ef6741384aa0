// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 text as Unicode code points, for rules that count characters rather
// than bytes.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

// The replacement character that stands for each malformed piece.
constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes UTF-8. Malformed input never fails: every maximal piece that cannot
// start a well-formed sequence (a stray continuation byte, a truncated,
// overlong or surrogate sequence, a value above U+10FFFF) becomes one
// kReplacementChar, and decoding goes on with the next byte.
std::u32string DecodeUtf8(std::string_view bytes);

} // namespace velmar
