// SPDX-License-Identifier: GPL-3.0-or-later
// Times the whole uniqueness test per puzzle and prints the mean, 99th
// percentile and worst time of each set.
//   solver_bench FILE... [--limit N] [--rounds N]   puzzle files, one puzzle a
//       line; with N rounds the mean is the best round's, and the percentile
//       and worst time take each puzzle's best round, so a busy machine
//       preempting one call does not show as a slow puzzle
//   solver_bench --literal N FILE...      the same for the literal reference
//       search the tests keep (first N puzzles of each file; those that exceed
//       its work budget are counted apart)
//   solver_bench --minus-a-clue FILE...  each puzzle with its first given
//       removed, a set with several solutions
//   solver_bench --adversarial [FILE...] inputs built to be hard: empty and
//       very sparse boards, givens with a quiet contradiction, and from each
//       file's first 1000 puzzles one clue removed (several solutions) or one
//       wrong clue added (no solution)
#include "literal_solver.h"
#include "puzzle_generator.h"
#include "solver/solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readPuzzles(const std::string& name, std::size_t limit) {
    std::ifstream in(name);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", name.c_str());
        std::exit(2);
    }
    std::vector<std::string> puzzles;
    for (std::string line; std::getline(in, line) && (limit == 0 || puzzles.size() < limit);)
        if (!line.empty()) puzzles.push_back(line);
    return puzzles;
}

int rounds = 1;

// Prints one row; returns the number of each result code.
std::vector<int> timeSet(const std::string& label, const std::vector<std::string>& puzzles) {
    std::vector<double> micros(puzzles.size(), 1e300);
    std::vector<int> codes(3, 0);
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        double total = 0;
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const velmar::UniquenessReport report = velmar::TestUniqueness(puzzles[i]);
            const auto stop = std::chrono::steady_clock::now();
            const double us = std::chrono::duration<double, std::micro>(stop - start).count();
            micros[i] = std::min(micros[i], us);
            total += us;
            if (round == 0) ++codes[static_cast<std::size_t>(report.result)];
        }
        best = std::min(best, total);
    }
    std::sort(micros.begin(), micros.end());
    const double p99 = micros.empty() ? 0 : micros[micros.size() * 99 / 100];
    const double worst = micros.empty() ? 0 : micros.back();
    std::printf("%-45s %8zu %10.2f %10.2f %10.2f  %d/%d/%d\n", label.c_str(), puzzles.size(),
                puzzles.empty() ? 0 : best / static_cast<double>(puzzles.size()), p99, worst,
                codes[0], codes[1], codes[2]);
    return codes;
}

void timeLiteral(const std::string& label, const std::vector<std::string>& puzzles) {
    constexpr long kBudget = 20'000'000; // candidate recomputations per search
    double total = 0, worst = 0;
    int finished = 0;
    for (const std::string& puzzle : puzzles) {
        const auto start = std::chrono::steady_clock::now();
        const auto report = velmar::literal::TestUniqueness(puzzle, false, kBudget);
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        if (!report) continue;
        ++finished;
        total += us;
        worst = std::max(worst, us);
    }
    std::printf("%-45s %8d %10.0f %10s %10.0f  %zu over budget\n", label.c_str(), finished,
                finished ? total / finished : 0.0, "-", worst, puzzles.size() - finished);
}

std::string baseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

std::string withoutFirstClue(std::string puzzle) {
    const std::size_t at = puzzle.find_first_of("123456789");
    if (at != std::string::npos) puzzle[at] = '.';
    return puzzle;
}

void adversarial(const std::vector<std::string>& files) {
    std::mt19937 rng(1905);
    std::vector<std::string> empty{std::string(81, '.')};
    std::vector<std::string> sparse, quiet;
    for (int i = 0; i < 2000; ++i) {
        const std::string grid = velmar::testing::randomGrid(rng);
        sparse.push_back(velmar::testing::cutPuzzle(grid, i % 26, '.', rng));
        // A wrong digit near the end of the board, where a row-major search meets it late.
        std::string p = velmar::testing::cutPuzzle(grid, 18 + i % 12, '.', rng);
        const int cell = 72 + i % 9;
        p[cell] = static_cast<char>('1' + (grid[cell] - '1' + 1 + i % 8) % 9);
        quiet.push_back(p);
    }
    timeSet("empty board", empty);
    timeSet("0-25 random givens", sparse);
    timeSet("18-29 givens, one wrong", quiet);
    for (const std::string& file : files) {
        std::vector<std::string> fewer, wrong;
        for (const std::string& puzzle : readPuzzles(file, 1000)) {
            fewer.push_back(withoutFirstClue(puzzle));
            // A conflict-free wrong clue in the first blank that can take one.
            const std::string solution = velmar::SolveString(puzzle).grid;
            std::string q = puzzle;
            for (char& ch : q)
                if (ch < '1' || ch > '9') ch = '0';
            for (std::size_t i = 0; i < 81; ++i) {
                if (q[i] != '0') continue;
                for (char d = '1'; d <= '9'; ++d) {
                    q[i] = d;
                    if (d != solution[i] && velmar::CheckGivens(q)) break;
                    q[i] = '0';
                }
                if (q[i] != '0') break;
            }
            wrong.push_back(q);
        }
        timeSet(baseName(file) + " minus a clue", fewer);
        timeSet(baseName(file) + " plus a wrong clue", wrong);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::size_t limit = 0;
    bool hard = false, fewerClues = false;
    std::size_t literal = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--limit" && i + 1 < argc)
            limit = std::stoul(argv[++i]);
        else if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::stoi(argv[++i]));
        else if (arg == "--literal" && i + 1 < argc)
            literal = std::stoul(argv[++i]);
        else if (arg == "--adversarial")
            hard = true;
        else if (arg == "--minus-a-clue")
            fewerClues = true;
        else
            files.push_back(arg);
    }
    if (files.empty() && !hard) {
        std::fprintf(stderr, "usage: solver_bench [--minus-a-clue] FILE... [--limit N] [--rounds N]"
                             " | --adversarial [FILE...] [--rounds N]\n");
        return 2;
    }
    std::printf("%-45s %8s %10s %10s %10s  %s\n", "set", "puzzles", "mean us", "p99 us", "max us",
                "one/none/several");
    if (hard) {
        adversarial(files);
        return 0;
    }
    if (literal > 0) {
        for (const std::string& name : files)
            timeLiteral(baseName(name) + " (literal)", readPuzzles(name, literal));
        return 0;
    }
    if (fewerClues) {
        for (const std::string& name : files) {
            std::vector<std::string> puzzles = readPuzzles(name, limit);
            for (std::string& puzzle : puzzles) puzzle = withoutFirstClue(puzzle);
            timeSet(baseName(name) + " minus a clue", puzzles);
        }
        return 0;
    }
    int failures = 0;
    for (const std::string& name : files) {
        const std::vector<int> codes = timeSet(baseName(name), readPuzzles(name, limit));
        failures += codes[1] + codes[2];
    }
    return failures == 0 ? 0 : 1;
}
