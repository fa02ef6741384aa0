// SPDX-License-Identifier: GPL-3.0-or-later
// The game's $00BBGGRR colours as Qt colours, for painting.
#pragma once

#include "game/colour.h"

#include <QColor>

namespace velmar {

inline QColor ToQColor(TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline TColor FromQColor(const QColor& c) {
    return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) |
           (static_cast<TColor>(c.blue()) << 16);
}

} // namespace velmar
