// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/bank_quality.h"

#include "bank/bank_grading.h"
#include "model/tqj.h"
#include "solver/solver.h"

#include <algorithm>
#include <unordered_set>

namespace velmar {

namespace {

bool wellFormed(std::string_view line) {
    return IsMarkedPuzzle(line) && CheckGivens(SolutionOfMarked(line));
}

constexpr std::size_t kProblemsShown = 5;

void note(LevelQuality& q, std::string_view line, const char* reason) {
    if (q.problems.size() < kProblemsShown) q.problems.push_back(std::string(line) + ": " + reason);
}

} // namespace

BankQuality CheckBank(const PuzzleBank& bank) {
    BankQuality result;
    result.passed = true;
    HintEngine engine;
    std::unordered_set<std::string> seen;
    for (int level = 0; level < kBankLevels; ++level) {
        LevelQuality& q = result.levels[level];
        std::vector<int> scores;
        for (std::string_view line : bank.lines(level)) {
            ++q.lines;
            if (!wellFormed(line)) {
                note(q, line, "not a valid solution-marked line");
                continue;
            }
            ++q.wellFormed;
            const std::string givens = GivensOfMarked(line);
            const UniquenessReport report = TestUniqueness(givens);
            if (report.result == kOneSolution && report.first == SolutionOfMarked(line))
                ++q.unique;
            else
                note(q, line, "not one solution, or not the line's");
            const PuzzleProfile profile = ProfilePuzzle(engine, givens);
            if (profile.outcome == kOutcomeSolved)
                ++q.solved;
            else
                note(q, line, "the hint engine does not finish it");
            q.symmetric += profile.symmetric;
            scores.push_back(profile.score);
            if (!seen.insert(RelabelledGivens(givens)).second) {
                ++q.repeats;
                note(q, line, "repeats an earlier puzzle");
            }
        }
        if (!scores.empty()) {
            std::sort(scores.begin(), scores.end());
            q.medianScore = scores[(scores.size() - 1) / 2];
        }
        const bool ok = q.lines == kBankLineCounts[level] && q.wellFormed == q.lines &&
                        q.unique == q.lines && q.solved == q.lines && q.repeats == 0 &&
                        q.symmetric * 100 >= q.lines * 95;
        result.passed = result.passed && ok;
    }
    return result;
}

std::string QualitySummary(int level, const LevelQuality& q) {
    return "level " + std::to_string(level) + " " + std::string(LevelName(level)) + ": " +
           std::to_string(q.lines) + " lines, " + std::to_string(q.unique) + " unique, " +
           std::to_string(q.solved) + " solved by the engine, " + std::to_string(q.symmetric) +
           " symmetric, " + std::to_string(q.repeats) + " repeats, median score " +
           std::to_string(q.medianScore);
}

} // namespace velmar
