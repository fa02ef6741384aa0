// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the game stores them: 24-bit $00BBGGRR values (red in the low
// byte), converted to Qt colours only where something is painted.
#pragma once

#include <QColor>

#include <cstdint>

namespace velmar {

using TColor = std::uint32_t;

inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kRed = 0x0000FF;
inline constexpr TColor kBlue = 0xFF0000;
inline constexpr TColor kLime = 0x00FF00;

inline QColor ToQColor(TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline TColor FromQColor(const QColor& c) {
    return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) |
           (static_cast<TColor>(c.blue()) << 16);
}

} // namespace velmar
