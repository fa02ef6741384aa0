// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every bank line must meet, checked over a whole bank: well
// formed, one solution equal to the line's, finished by the hint engine, no
// repeats (up to a relabelling of digits), mostly symmetric givens.
#pragma once

#include "bank/puzzle_bank.h"

#include <array>
#include <string>
#include <vector>

namespace velmar {

struct LevelQuality {
    int lines = 0;
    int wellFormed = 0; // 81 characters of "1".."9"/"A".."I" forming a valid grid
    int unique = 0;     // one solution, and it is the line's
    int solved = 0;     // the hint engine reaches "Solved!"
    int symmetric = 0;  // givens unchanged by a half-turn
    int repeats = 0;    // lines equal to an earlier line of the bank, digits relabelled
    int medianScore = 0;
    std::vector<std::string> problems; // the first few failing lines, with the reason
};

struct BankQuality {
    std::array<LevelQuality, kBankLevels> levels;
    // True when every line passes, the line counts are the expected ones and
    // at least 95% of each level is symmetric.
    bool passed = false;
};

BankQuality CheckBank(const PuzzleBank& bank);

// One line per level: "level NAME: N lines, N unique, N solved by the engine,
// N symmetric, median score N".
std::string QualitySummary(int level, const LevelQuality& quality);

} // namespace velmar
