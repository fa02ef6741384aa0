// SPDX-License-Identifier: GPL-3.0-or-later
// Times loading the built-in puzzle bank as the program does at start: the
// five compiled-in lists split into lines. Prints the first load and the
// mean and worst of repeated loads.
#include "bank/bank_data.h"
#include "bank/puzzle_bank.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

int main() {
    using Clock = std::chrono::steady_clock;
    const auto firstStart = Clock::now();
    const velmar::PuzzleBank& bank = velmar::PuzzleBank::builtIn();
    const double first =
        std::chrono::duration<double, std::milli>(Clock::now() - firstStart).count();
    int lines = 0;
    for (int level = 0; level < velmar::kBankLevels; ++level) lines += bank.lineCount(level);

    constexpr int kRuns = 200;
    double total = 0, worst = 0;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        const velmar::PuzzleBank again(velmar::bankTexts());
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
        if (again.lineCount(0) != bank.lineCount(0)) return 1;
    }
    std::printf("bank load: %d lines, first %.3f ms, mean %.3f ms, worst %.3f ms (target 20 ms)\n",
                lines, first, total / kRuns, worst);
    return 0;
}
