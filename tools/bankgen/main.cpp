// SPDX-License-Identifier: GPL-3.0-or-later
// bankgen: makes the built-in puzzle bank. Puzzles are dug from random grids
// with symmetric givens and a single solution, rated by the hint engine and
// sorted into the five levels by GradeLevel (src/bank/bank_grading.h):
//
//   level        needs at most
//   Very Easy    hidden singles, with at least 34 givens
//   Gentle       singles
//   Moderate     box/line reductions, naked or hidden pairs
//   Tough        triples, quads, unique rectangles, single-digit chains of up to 6 cells
//   Diabolical   chains of pairs, generalized chains, longer single-digit chains
//
// Puzzles the engine cannot finish are dropped, and so is a puzzle equal to
// one already kept up to a relabelling of digits. The same seed gives the same
// bank, whatever the number of threads.
//
// Usage: bankgen [--seed N] [--threads N] [--out DIR]   (DIR defaults to data/bank)
//        bankgen --stats DIR                              report on an existing bank
#include "bank/bank_grading.h"
#include "bank/puzzle_bank.h"
#include "puzzle_maker.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

using namespace velmar;

namespace {

struct Made {
    std::string marked;
    PuzzleProfile profile;
    int level = -1;
};

// Share of generated puzzles that stop digging early to stay very easy.
constexpr double kEarlyStopShare = 0.3;

Made makeOne(std::uint64_t seed, std::uint64_t index, bool wantEasy, HintEngine& engine) {
    std::mt19937_64 rng(seed * 0x9E3779B97F4A7C15ull + index);
    const std::string grid = bankgen::RandomSolutionGrid(rng);
    int keep = 0;
    if (wantEasy && std::uniform_real_distribution<double>(0, 1)(rng) < kEarlyStopShare)
        keep = std::uniform_int_distribution<int>(kVeryEasyGivens, kVeryEasyGivens + 8)(rng);
    Made made;
    made.marked = bankgen::DigPuzzle(grid, keep, rng);
    made.profile = ProfilePuzzle(engine, GivensOfMarked(made.marked));
    made.level = GradeLevel(made.profile);
    return made;
}

int percentile(std::vector<int> values, int pct) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[(values.size() - 1) * static_cast<std::size_t>(pct) / 100];
}

void printStats(const std::vector<std::vector<Made>>& bank) {
    static const char* technique[] = {"hsingle",  "nsingle", "boxline",  "nsubset",
                                      "hsubset",  "ur1",     "ur2",      "band",
                                      "genchain", "dchain",  "pairchain"};
    std::printf("%-11s %6s %7s %7s %7s", "level", "lines", "median", "p90", "givens");
    for (const char* name : technique) std::printf(" %9s", name);
    std::printf(" %7s\n", "sym");
    for (int level = 0; level < kBankLevels; ++level) {
        const auto& lines = bank[level];
        std::vector<int> scores, givens;
        int uses[11] = {}, symmetric = 0;
        for (const Made& m : lines) {
            scores.push_back(m.profile.score);
            givens.push_back(m.profile.givens);
            for (int t = 0; t < 11; ++t) uses[t] += m.profile.counts[t] > 0;
            symmetric += m.profile.symmetric;
        }
        const double n = lines.empty() ? 1.0 : static_cast<double>(lines.size());
        std::printf("%-11s %6zu %7d %7d %7d", std::string(LevelName(level)).c_str(), lines.size(),
                    percentile(scores, 50), percentile(scores, 90), percentile(givens, 50));
        for (int t = 0; t < 11; ++t) std::printf(" %8.1f%%", 100.0 * uses[t] / n);
        std::printf(" %6.1f%%\n", 100.0 * symmetric / n);
    }
}

std::vector<std::vector<Made>> readBank(const std::string& dir) {
    std::vector<std::vector<Made>> bank(kBankLevels);
    HintEngine engine;
    for (int level = 0; level < kBankLevels; ++level) {
        std::ifstream in(dir + "/level" + std::to_string(level) + ".txt");
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            Made m;
            m.marked = line;
            m.profile = ProfilePuzzle(engine, GivensOfMarked(line));
            m.level = GradeLevel(m.profile);
            bank[level].push_back(m);
        }
    }
    return bank;
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 20261209;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::string out = "data/bank";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            seed = std::stoull(argv[++i]);
        } else if (arg == "--threads" && hasValue) {
            threads = static_cast<unsigned>(std::max(1, std::stoi(argv[++i])));
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else if (arg == "--stats" && hasValue) {
            printStats(readBank(argv[++i]));
            return 0;
        } else {
            std::fprintf(stderr,
                         "usage: bankgen [--seed N] [--threads N] [--out DIR] | --stats DIR\n");
            return 2;
        }
    }

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::vector<Made>> bank(kBankLevels);
    std::unordered_set<std::string> seen;
    std::uint64_t next = 0, made = 0, dropped = 0;
    constexpr std::uint64_t kBatch = 512;
    auto full = [&](int level) {
        return static_cast<int>(bank[level].size()) >= kBankLineCounts[level];
    };
    auto allFull = [&] {
        for (int level = 0; level < kBankLevels; ++level)
            if (!full(level)) return false;
        return true;
    };
    std::vector<HintEngine> engines(threads);
    while (!allFull()) {
        // Each batch is made in parallel, then kept in index order, so the
        // result does not depend on the thread count.
        const bool wantEasy = !full(0);
        std::vector<Made> batch(kBatch);
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                for (std::uint64_t k = t; k < kBatch; k += threads)
                    batch[k] = makeOne(seed, next + k, wantEasy, engines[t]);
            });
        }
        for (std::thread& w : workers) w.join();
        next += kBatch;
        for (Made& m : batch) {
            ++made;
            if (m.level < 0) {
                ++dropped;
                continue;
            }
            if (full(m.level) || !seen.insert(RelabelledGivens(GivensOfMarked(m.marked))).second)
                continue;
            bank[m.level].push_back(std::move(m));
        }
        std::fprintf(
            stderr, "\r%llu made, %llu not finished by the engine; kept %zu %zu %zu %zu %zu",
            static_cast<unsigned long long>(made), static_cast<unsigned long long>(dropped),
            bank[0].size(), bank[1].size(), bank[2].size(), bank[3].size(), bank[4].size());
    }
    std::fprintf(stderr, "\n");
    for (int level = 0; level < kBankLevels; ++level) {
        std::ofstream file(out + "/level" + std::to_string(level) + ".txt", std::ios::binary);
        for (const Made& m : bank[level]) file << m.marked << '\n';
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", out.c_str());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %llu: %llu puzzles made in %.0f s with %u threads\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(made),
                seconds, threads);
    printStats(bank);
    return 0;
}
