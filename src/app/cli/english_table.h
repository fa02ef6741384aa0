// SPDX-License-Identifier: GPL-3.0-or-later
// The English UI string table, compiled into velmar-cli for the texts its
// outputs share with the game (the printable page's title and credit).
#pragma once

#include <string_view>

namespace velmar::cli {

std::string_view EnglishTableText();

} // namespace velmar::cli
