// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced ladder over puzzle files: how many puzzles it finishes, how
// long a whole rating and a single step take (CPU time of this thread, so a
// busy machine shows less; with --rounds R each puzzle keeps its best of R
// runs), how often each technique was the step, and the histogram of the
// puzzles' difficulty (the hardest step, 1.0-11.9).
// Usage: ladder_bench [--lines N] [--rounds R] FILE...   (N default: all lines)
#include "hints/ladder/technique_table.h"
#include "hints/puzzle_rating.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Run {
    double total = 0;     // ms for the whole rating
    double worstStep = 0; // ms
    std::vector<double> steps;
    int outcome = 0;
    int difficulty = 0;
    std::vector<int> techniques;
};

Run rate(velmar::HintEngine& engine, const std::string& line) {
    Run run;
    double stepStart = cpuMs();
    velmar::RatingObserver observer;
    observer.step = [&](const velmar::HintEngine& e) {
        const double now = cpuMs();
        run.steps.push_back(now - stepStart);
        if (e.hint().ladderTechnique >= 0) run.techniques.push_back(e.hint().ladderTechnique);
        stepStart = cpuMs();
    };
    const double start = cpuMs();
    velmar::RatePuzzleLine(engine, line, observer);
    run.total = cpuMs() - start;
    run.worstStep = run.steps.empty() ? 0 : *std::max_element(run.steps.begin(), run.steps.end());
    run.outcome = engine.outcome();
    run.difficulty = engine.hardestDifficulty();
    return run;
}

// What one file's ratings add up to.
struct FileFigures {
    std::map<int, int> outcomes, histogram;
    std::map<int, long> perTechnique;
    std::vector<double> totals, steps;
    double worstStep = 0;
    std::string worstPuzzle;

    void add(const Run& run, const std::string& line) {
        ++outcomes[run.outcome];
        ++histogram[run.difficulty / 10];
        for (int t : run.techniques) ++perTechnique[t];
        totals.push_back(run.total);
        steps.insert(steps.end(), run.steps.begin(), run.steps.end());
        if (run.worstStep > worstStep) {
            worstStep = run.worstStep;
            worstPuzzle = line;
        }
    }

    void print(const std::string& name, int rounds) {
        double sum = 0;
        for (double t : totals) sum += t;
        std::sort(steps.begin(), steps.end());
        const double p99 = steps.empty() ? 0 : steps[(steps.size() - 1) * 99 / 100];
        std::printf("%s: %zu puzzles, %d solved, %d stumped, %d no solution\n", name.c_str(),
                    totals.size(), outcomes[velmar::kOutcomeSolved],
                    outcomes[velmar::kOutcomeStumped], outcomes[velmar::kOutcomeNoSolution]);
        std::printf("  rating: mean %.2f ms per puzzle (CPU, best of %d)\n",
                    totals.empty() ? 0.0 : sum / totals.size(), rounds);
        std::printf("  steps: n=%zu  p99 %.3f ms  worst %.1f ms  (%s)\n", steps.size(), p99,
                    worstStep, worstPuzzle.c_str());
        std::printf("  steps per technique:\n");
        for (int t = 0; t < velmar::ladder::kTechniqueCount; ++t) {
            if (perTechnique.count(t) == 0) continue;
            const auto& info = velmar::ladder::techniqueInfo(t);
            std::printf("    %-28s %.1f  %ld\n", std::string(info.name).c_str(),
                        info.difficulty / 10.0, perTechnique[t]);
        }
        std::printf("  difficulty histogram:\n");
        for (const auto& [bucket, n] : histogram) {
            std::printf("    %2d.0-%2d.9  %d\n", bucket, bucket, n);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    long limit = -1;
    int rounds = 1;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lines" && i + 1 < argc) {
            limit = std::strtol(argv[++i], nullptr, 10);
        } else if (arg == "--rounds" && i + 1 < argc) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: ladder_bench [--lines N] [--rounds R] FILE...\n");
        return 2;
    }
    velmar::HintEngine engine;
    engine.setAdvanced(true);
    for (const std::string& name : files) {
        std::ifstream in(name);
        if (!in) {
            std::fprintf(stderr, "ladder_bench: cannot read '%s'\n", name.c_str());
            return 2;
        }
        FileFigures figures;
        std::string line;
        long count = 0;
        while ((limit < 0 || count < limit) && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            ++count;
            Run best = rate(engine, line);
            for (int r = 1; r < rounds; ++r) {
                const Run again = rate(engine, line);
                best.total = std::min(best.total, again.total);
                best.worstStep = std::min(best.worstStep, again.worstStep);
                for (std::size_t s = 0; s < best.steps.size() && s < again.steps.size(); ++s) {
                    best.steps[s] = std::min(best.steps[s], again.steps[s]);
                }
            }
            figures.add(best, line);
        }
        figures.print(name, rounds);
    }
    return 0;
}
