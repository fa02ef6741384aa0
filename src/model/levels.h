// SPDX-License-Identifier: GPL-3.0-or-later
// The level index of a game: 0..4 the bank's levels, Very Easy .. Diabolical,
// and "Unknown" for a game from outside the bank.
#pragma once

namespace velmar {

constexpr int kBankLevels = 5;
constexpr int kUnknownLevel = kBankLevels;

} // namespace velmar
