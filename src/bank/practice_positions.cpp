// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/practice_positions.h"

#include "hints/study/solution_path.h"
#include "hints/study/technique_guide.h"

#include "text/decimal.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace velmar {

std::string_view PracticeDataText(); // practice_data.cpp, made by the build

namespace {

// A bank line as a board: its digits given, its letters open and unmarked.
BoardCells GivensBoard(std::string_view marked) {
    BoardCells board;
    for (int i = 0; i < 81; ++i) {
        const char c = marked[i];
        const bool given = c >= '1' && c <= '9';
        board.at(i).State = given ? kStateGiven : kStateOpen;
        board.at(i).Text = given ? std::string(1, c) : "";
    }
    return board;
}

study::SolutionPath BankPath(const PuzzleBank& bank, int level, int line) {
    return study::findSolutionPath(GivensBoard(bank.line(level, line)), true, true);
}

std::optional<int> Number(std::string_view text) {
    const std::optional<std::uint64_t> value = ParseDecimal(text);
    if (!value || *value > INT_MAX) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<PracticeRef> ParseRef(std::string_view text) {
    const std::size_t first = text.find(':');
    const std::size_t second = text.find(':', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto level = Number(text.substr(0, first));
    const auto line = Number(text.substr(first + 1, second - first - 1));
    const auto step = Number(text.substr(second + 1));
    if (!level || !line || !step || *level >= kBankLevels) return std::nullopt;
    return PracticeRef{*level, *line, *step};
}

} // namespace

int PracticeTechnique(std::string_view name) {
    return study::findLadderTechnique(name);
}

PracticeSet FindPracticePositions(const PuzzleBank& bank, int perTechnique) {
    PracticeSet set;
    int longest = 0;
    for (int level = 0; level < kBankLevels; ++level)
        longest = std::max(longest, bank.lineCount(level));
    for (int line = 1; line <= longest; ++line) {
        for (int level = 0; level < kBankLevels; ++level) {
            if (line > bank.lineCount(level)) continue;
            const study::SolutionPath path = BankPath(bank, level, line);
            std::array<bool, ladder::kTechniqueCount> taken{};
            for (const study::PathStep& step : path.steps) {
                const int id = PracticeTechnique(step.technique);
                if (id < 0 || taken[id] || static_cast<int>(set[id].size()) >= perTechnique)
                    continue;
                taken[id] = true;
                set[id].push_back({level, line, step.number - 1});
            }
        }
    }
    return set;
}

std::string PracticeText(const PracticeSet& set) {
    std::string out;
    for (int id = 0; id < ladder::kTechniqueCount; ++id) {
        if (set[id].empty()) continue;
        out += ladder::techniqueInfo(id).name;
        char separator = '\t';
        for (const PracticeRef& ref : set[id]) {
            out += separator + std::to_string(ref.level) + ':' + std::to_string(ref.line) + ':' +
                   std::to_string(ref.step);
            separator = ' ';
        }
        out += '\n';
    }
    return out;
}

PracticeSet ParsePracticeText(std::string_view text) {
    PracticeSet set;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t tab = line.find('\t');
        const int id = tab == std::string_view::npos ? -1 : PracticeTechnique(line.substr(0, tab));
        if (id < 0) continue;
        std::string_view refs = line.substr(tab + 1);
        while (!refs.empty()) {
            const std::size_t blank = refs.find(' ');
            if (const auto ref = ParseRef(refs.substr(0, blank))) set[id].push_back(*ref);
            refs = blank == std::string_view::npos ? std::string_view() : refs.substr(blank + 1);
        }
    }
    return set;
}

const PracticeSet& BuiltInPractice() {
    static const PracticeSet set = ParsePracticeText(PracticeDataText());
    return set;
}

BoardCells PracticeBoard(const PuzzleBank& bank, const PracticeRef& ref) {
    BoardCells empty;
    for (int i = 0; i < 81; ++i) empty.at(i).State = kStateOpen;
    if (ref.level < 0 || ref.level >= kBankLevels || ref.line < 1 ||
        ref.line > bank.lineCount(ref.level)) {
        return empty;
    }
    study::SolutionPath path = BankPath(bank, ref.level, ref.line);
    if (ref.step < 0 || ref.step >= static_cast<int>(path.steps.size())) return empty;
    return std::move(path.steps[ref.step].before);
}

} // namespace velmar
