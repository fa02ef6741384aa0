// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/puzzle_bank.h"

#include "bank/bank_data.h"
#include "model/random.h"

namespace velmar {

PuzzleBank::PuzzleBank(const std::array<std::string_view, kBankLevels>& texts) {
    for (int level = 0; level < kBankLevels; ++level) {
        std::string_view text = texts[level];
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (!line.empty()) lines_[level].push_back(line);
            if (end == std::string_view::npos) break;
            text.remove_prefix(end + 1);
        }
    }
}

const PuzzleBank& PuzzleBank::builtIn() {
    static const PuzzleBank bank(bankTexts());
    return bank;
}

std::string_view DrawBankLine(const PuzzleBank& bank, int level, Random& random) {
    const int n = bank.lineCount(level);
    int r = random.uniform(0, n - 1) + 1;
    if (r == n) r = n - 1;
    return bank.line(level, r);
}

std::string_view DrawBankLine(int level) {
    return DrawBankLine(PuzzleBank::builtIn(), level, Random::instance());
}

std::string_view LevelName(int level) {
    static constexpr std::string_view names[] = {"Very Easy", "Gentle", "Moderate", "Tough",
                                                 "Diabolical"};
    return level >= 0 && level < kBankLevels ? names[level] : "Unknown";
}

} // namespace velmar
