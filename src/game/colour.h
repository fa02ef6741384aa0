// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the game stores them: 24-bit $00BBGGRR values (red in the low
// byte). The windows convert them to their toolkit's colours only where
// something is painted.
#pragma once

#include <cstdint>

namespace velmar {

using TColor = std::uint32_t;

inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kRed = 0x0000FF;
inline constexpr TColor kBlue = 0xFF0000;
inline constexpr TColor kLime = 0x00FF00;

} // namespace velmar
