// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli bank and deal: the built-in puzzle bank.
#include "app/cli/command_lists.h"
#include "bank/bank_quality.h"
#include "bank/deal.h"
#include "bank/puzzle_bank.h"
#include "model/random.h"
#include "model/tqj.h"

#include <iostream>

namespace velmar::cli {

namespace {

int runBank(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0] != "--check")
        return usageError("bank", "expected --check (see velmar-cli bank --help)");
    const BankQuality quality = CheckBank(PuzzleBank::builtIn());
    for (int level = 0; level < kBankLevels; ++level) {
        std::cout << QualitySummary(level, quality.levels[level]) << '\n';
        for (const std::string& problem : quality.levels[level].problems)
            std::cout << "  " << problem << '\n';
    }
    std::cout << (quality.passed ? "bank check passed" : "bank check FAILED") << '\n';
    return quality.passed ? 0 : 1;
}

// The position a new game shows: givens as digits, open cells as the letters
// of their solution digits.
std::string markedPosition(const TQJ& model) {
    std::string out;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TNode& n = model.node(r, c);
            out.push_back(static_cast<char>(n.Fixed ? '0' + n.Digit : 'A' + n.Digit - 1));
        }
    return out;
}

int runDeal(const std::vector<std::string>& args) {
    int level = -1;
    std::uint64_t count = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--count") {
            const auto number = i + 1 < args.size() ? parseDecimal(args[++i]) : std::nullopt;
            if (!number) return usageError("deal", "--count needs a decimal number of games");
            count = *number;
        } else if (level < 0 && args[i].size() == 1 && args[i][0] >= '0' && args[i][0] <= '4') {
            level = args[i][0] - '0';
        } else if (level < 0 && parseDecimal(args[i])) {
            return usageError("deal", "the LEVEL must be 0..4, not " + args[i]);
        } else {
            return usageError("deal", "unexpected argument '" + args[i] + "'");
        }
    }
    if (level < 0) return usageError("deal", "expected a LEVEL from 0 to 4");
    if (PuzzleBank::builtIn().lineCount(level) < 2) return usageError("deal", "the bank is empty");
    TQJ model;
    // A failed output ends the deal; the exit status reports it.
    for (std::uint64_t i = 0; i < count && !outputFailed(); ++i) {
        DealGame(PuzzleBank::builtIn(), level, Random::instance(), model);
        std::cout << markedPosition(model) << '\n';
    }
    return 0;
}

} // namespace

std::vector<Command> bankCommands() {
    return {
        {"bank", "check the built-in puzzle bank",
         "Usage: velmar-cli bank --check\n"
         "\n"
         "Checks every line of the built-in puzzle bank: well formed, one solution\n"
         "equal to the line's, finished by the hint engine, no puzzle twice (digits\n"
         "relabelled), at least 95% of each level with half-turn symmetric givens, and\n"
         "the expected number of lines. Prints one summary line per level. Exit\n"
         "status 1 when a rule fails.\n",
         runBank},
        {"deal", "deal games from the bank as a new game does",
         "Usage: velmar-cli deal LEVEL [--count N]\n"
         "\n"
         "Deals N games (default 1) of LEVEL (0 Very Easy, 1 Gentle, 2 Moderate,\n"
         "3 Tough, 4 Diabolical) as a new game does: a line drawn from the bank,\n"
         "loaded and shuffled, shuffled again (a bounded number of times) until the\n"
         "hint engine finishes it. Prints each position as a solution-marked line:\n"
         "givens as digits, open cells as the letters A..I of their solution.\n"
         "N is a decimal number. VELMAR_SEED (a decimal number) makes the deal\n"
         "reproducible; any other value is warned about and the clock seeds it.\n",
         runDeal},
    };
}

} // namespace velmar::cli
