// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of data/bank/level0.txt .. level4.txt, embedded by the build.
#pragma once

#include <array>
#include <string_view>

namespace velmar {

std::array<std::string_view, 5> bankTexts();

} // namespace velmar
