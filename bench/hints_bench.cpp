// SPDX-License-Identifier: GPL-3.0-or-later
// Times the hint engine: every search step and every whole rating of the
// puzzles in the files named (one puzzle per line), and prints per file the
// 50th and 99th percentile and the maximum of each, and the mean rating time.
// Usage: hints_bench [--lines N] FILE...   (N: first lines per file, default 2000)
#include "hints/puzzle_rating.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void printFigures(const char* what, std::vector<double>& times) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) {
        return times[static_cast<std::size_t>(q * (times.size() - 1))];
    };
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("  %-8s n=%zu  p50=%.1f us  p99=%.1f us  max=%.1f us  mean=%.1f us\n", what,
                times.size(), at(0.5), at(0.99), times.back(), sum / times.size());
}

} // namespace

int main(int argc, char** argv) {
    long limit = 2000;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lines" && i + 1 < argc) {
            limit = std::strtol(argv[++i], nullptr, 10);
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: hints_bench [--lines N] FILE...\n");
        return 2;
    }
    velmar::HintEngine engine;
    for (const std::string& name : files) {
        std::ifstream in(name);
        if (!in) {
            std::fprintf(stderr, "hints_bench: cannot read '%s'\n", name.c_str());
            return 2;
        }
        std::vector<double> steps;
        std::vector<double> ratings;
        Clock::time_point mark;
        velmar::RatingObserver observer;
        // The step time runs from the end of the previous step (or the load)
        // to the end of this search; placing a single in between is tiny.
        observer.step = [&](const velmar::HintEngine&) {
            const Clock::time_point now = Clock::now();
            steps.push_back(microseconds(now - mark));
            mark = now;
        };
        observer.state = [&](const velmar::HintEngine&) { mark = Clock::now(); };
        std::string line;
        for (long count = 0; count < limit && std::getline(in, line);) {
            if (line.empty()) continue;
            ++count;
            const Clock::time_point start = Clock::now();
            mark = start;
            velmar::RatePuzzleLine(engine, line, observer);
            ratings.push_back(microseconds(Clock::now() - start));
        }
        std::printf("%s\n", name.c_str());
        printFigures("step", steps);
        printFigures("rating", ratings);
    }
    return 0;
}
