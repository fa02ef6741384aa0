// SPDX-License-Identifier: GPL-3.0-or-later
// Times recognising and converting puzzle texts of about a megabyte, the
// shapes that stress each rule: a boxed grid drowned in decoration, a
// candidate grid of many groups, one endless digit group, separators only
// (the candidate rule's merging of separators), and full-width characters.
// The target is judged on the median thread CPU time, which other work on a
// shared machine does not inflate; wall times are printed beside it.
#include "exchange/puzzle_text_import.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::string Repeat(const std::string& piece, std::size_t bytes) {
    std::string out;
    out.reserve(bytes + piece.size());
    while (out.size() < bytes) out += piece;
    return out;
}

struct Case {
    const char* name;
    std::string text;
};

std::vector<Case> Cases() {
    const std::string puzzle =
        "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
    std::string boxed;
    for (int i = 0; i < 81; ++i) {
        boxed += std::string(9, ' ') + (puzzle[i] == '0' ? '.' : puzzle[i]);
        if (i % 9 == 8) boxed += "|\n";
    }
    return {
        {"decorated grid", boxed + Repeat("|-+ab ", kMegabyte - boxed.size())},
        {"candidate grid", Repeat("       123456789|", kMegabyte)},
        {"one digit group", Repeat("123456789", kMegabyte)},
        {"separators only", Repeat("||||||||", kMegabyte)},
        {"full-width blanks", Repeat("\xEF\xBC\x9F", kMegabyte)},
    };
}

// CPU time of this thread: the figure that stays meaningful while other
// work shares the processor.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    using Clock = std::chrono::steady_clock;
    constexpr int kRuns = 31;
    int failed = 0;
    for (const Case& test : Cases()) {
        std::vector<double> wall, cpu;
        int layout = -1;
        for (int i = 0; i < kRuns; ++i) {
            const auto start = Clock::now();
            const double cpuStart = ThreadMilliseconds();
            const velmar::PuzzleTextImport out = velmar::ImportPuzzleText(test.text);
            cpu.push_back(ThreadMilliseconds() - cpuStart);
            wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            layout = out.layout;
        }
        const double cpuMedian = Median(cpu);
        if (cpuMedian > 10.0) ++failed;
        std::printf("import %-18s %7zu bytes, layout %d: median %.2f ms CPU, wall median %.2f ms, "
                    "worst %.2f ms (target 10 ms)\n",
                    test.name, test.text.size(), layout, cpuMedian, Median(wall),
                    *std::max_element(wall.begin(), wall.end()));
    }
    return failed == 0 ? 0 : 1;
}
