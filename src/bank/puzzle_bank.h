// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in puzzle bank: five lists of solution-marked puzzle strings, one
// per level, compiled into the program.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "model/levels.h"

namespace velmar {

class Random;

// The lists as parsed lines; each line is 81 characters.
class PuzzleBank {
  public:
    // The bank compiled into the program; parsed on first use.
    static const PuzzleBank& builtIn();
    // A bank over five texts of lines (LF or CR LF ends, blank lines skipped).
    explicit PuzzleBank(const std::array<std::string_view, kBankLevels>& texts);

    int lineCount(int level) const { return static_cast<int>(lines_[level].size()); }
    // Line number `number` of a level's list, counting from 1.
    std::string_view line(int level, int number) const { return lines_[level][number - 1]; }
    const std::vector<std::string_view>& lines(int level) const { return lines_[level]; }

  private:
    std::array<std::vector<std::string_view>, kBankLevels> lines_;
};

// One line of the level's list, drawn at random: a uniform number 1..N where
// N itself becomes N-1, so the last line never comes up and the one before it
// comes twice as often as any other. The list must hold at least two lines.
std::string_view DrawBankLine(const PuzzleBank& bank, int level, Random& random);
std::string_view DrawBankLine(int level);

// Line counts of the built-in lists, level 0 (Very Easy) to 4 (Diabolical).
constexpr std::array<int, kBankLevels> kBankLineCounts = {3858, 4238, 1508, 3842, 4849};

// English names of the levels: "Very Easy", "Gentle", "Moderate", "Tough", "Diabolical".
std::string_view LevelName(int level);

} // namespace velmar
