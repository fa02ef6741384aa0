// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli check, solve and unique: the solver's string services, one
// output line per input line.
#include "app/cli/command_lists.h"
#include "solver/solver.h"

#include <iostream>

namespace velmar::cli {

namespace {

// Runs `perLine` over the input of a subcommand that accepts `known` options.
int runLines(std::string_view name, const std::vector<std::string>& args,
             const std::vector<std::string_view>& known,
             const std::function<void(const std::vector<std::string>& options,
                                      const InputLine& line)>& perLine) {
    std::vector<std::string> options, files;
    if (!splitArguments(name, args, known, options, files)) return kUsageError;
    return forEachInputLine(name, files, [&](const InputLine& line) { perLine(options, line); });
}

// The first 81 characters as the solver echoes an unsolved puzzle: '1'..'9'
// kept, '0' for every other or missing character.
std::string givensWithZeros(std::string_view line) {
    std::string grid(81, '0');
    for (std::size_t i = 0; i < 81 && i < line.size(); ++i)
        if (line[i] >= '1' && line[i] <= '9') grid[i] = line[i];
    return grid;
}

int runCheck(const std::vector<std::string>& args) {
    return runLines("check", args, {}, [](const auto&, const InputLine& line) {
        std::cout << (!line.overLong && CheckGivens(line.text) ? '1' : '0') << '\n';
    });
}

int runSolve(const std::vector<std::string>& args) {
    return runLines("solve", args, {}, [](const auto&, const InputLine& line) {
        if (line.overLong) {
            std::cout << "1 " << givensWithZeros(line.text) << '\n';
            return;
        }
        const SolveResult result = SolveString(line.text);
        std::cout << result.status << ' ' << result.grid << '\n';
    });
}

int runUnique(const std::vector<std::string>& args) {
    return runLines("unique", args, {"--dialog"}, [](const auto& options, const InputLine& line) {
        if (line.overLong) {
            std::cout << kNoSolution << " - -\n";
            return;
        }
        const UniquenessReport report = hasOption(options, "--dialog")
                                            ? TestUniquenessDialog(line.text)
                                            : TestUniqueness(line.text);
        const bool firstMeant = report.result != kNoSolution;
        const bool secondMeant = report.result == kSeveralSolutions;
        std::cout << report.result << ' ' << (firstMeant ? report.first : "-") << ' '
                  << (secondMeant ? report.second : "-") << '\n';
    });
}

} // namespace

std::vector<Command> solverCommands() {
    return {
        {"check", "1 when no two equal givens are peers, else 0",
         "Usage: velmar-cli check [FILE...]\n"
         "\n"
         "For each puzzle line prints \"1\" when no two equal entries share a row,\n"
         "column or box, else \"0\". '0' and '*' are blanks; every other character,\n"
         "'.' included, is an entry. A short line has blanks at its end; a line\n"
         "longer than 65536 bytes prints \"0\".\n",
         runCheck},
        {"solve", "the status and the least solution of each puzzle",
         "Usage: velmar-cli solve [FILE...]\n"
         "\n"
         "For each puzzle line ('1'..'9' givens, any other character a blank) prints\n"
         "the status, a blank and 81 digits: \"0\" and the least solution (row by row,\n"
         "lowest digits first), or \"1\" and the puzzle with '0' for its blanks when it\n"
         "has no solution, has no blank or its givens conflict. A line longer than\n"
         "65536 bytes gets status 1 and its first 81 characters so written.\n",
         runSolve},
        {"unique", "whether each puzzle has one, no or several solutions",
         "Usage: velmar-cli unique [--dialog] [FILE...]\n"
         "\n"
         "For each puzzle line ('1'..'9' givens, any other character a blank) prints\n"
         "the result code, the first solution and the second solution, separated by\n"
         "blanks. Codes: 0 exactly one solution, 1 no solution, 2 several solutions.\n"
         "A solution that means nothing for the code is written as \"-\". A line\n"
         "longer than 65536 bytes prints \"1 - -\".\n"
         "\n"
         "  --dialog  the import dialog's rule: a full grid whose givens agree is its\n"
         "            own single solution (without it, a full grid gives code 1)\n",
         runUnique},
    };
}

} // namespace velmar::cli
