// SPDX-License-Identifier: GPL-3.0-or-later
// The solution path as the Solution path window computes it when it opens:
// every step from the givens with the advanced ladder on, each with the
// position before it. Gives the mean, the 99th percentile and the worst time
// per puzzle (CPU time of this thread and wall time); the window's target is
// 250 ms on the top1465 file.
// Usage: solution_path_bench [--lines N] FILE...   (N default: all lines)
#include "hints/study/solution_path.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

velmar::BoardCells givensBoard(const std::string& line) {
    velmar::BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const char c = i < static_cast<int>(line.size()) ? line[i] : '.';
        const bool given = c >= '1' && c <= '9';
        board.at(i).State = given ? velmar::kStateGiven : velmar::kStateOpen;
        board.at(i).Text = given ? std::string(1, c) : "";
    }
    return board;
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms) sum += m;
    std::printf("  %-5s mean %.1f ms, 99th percentile %.1f ms, worst %.1f ms\n", what,
                sum / static_cast<double>(ms.size()), ms[ms.size() * 99 / 100], ms.back());
}

} // namespace

int main(int argc, char** argv) {
    long limit = -1;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--lines" && i + 1 < argc) {
            limit = std::atol(argv[++i]);
        } else {
            files.emplace_back(argv[i]);
        }
    }
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::string line;
        std::vector<double> cpu, wall;
        std::size_t steps = 0;
        int unsolved = 0;
        while ((limit < 0 || static_cast<long>(cpu.size()) < limit) && std::getline(in, line)) {
            if (line.size() < 81) continue;
            const velmar::BoardCells board = givensBoard(line);
            const auto wallStart = std::chrono::steady_clock::now();
            const double cpuStart = cpuMs();
            const velmar::study::SolutionPath path =
                velmar::study::findSolutionPath(board, true, true);
            cpu.push_back(cpuMs() - cpuStart);
            wall.push_back(std::chrono::duration<double, std::milli>(
                               std::chrono::steady_clock::now() - wallStart)
                               .count());
            steps += path.steps.size();
            unsolved += path.outcome != "Solved!";
        }
        if (cpu.empty()) continue;
        std::printf("%s: %zu puzzles, %zu steps, %d not solved\n", file.c_str(), cpu.size(), steps,
                    unsolved);
        report("cpu", cpu);
        report("wall", wall);
    }
    return 0;
}
