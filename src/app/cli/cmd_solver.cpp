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
                                      const std::string& line)>& perLine) {
    std::vector<std::string> options, files;
    if (!splitArguments(name, args, known, options, files)) return kUsageError;
    return forEachInputLine(name, files, [&](const std::string& line) { perLine(options, line); });
}

int runCheck(const std::vector<std::string>& args) {
    return runLines("check", args, {}, [](const auto&, const std::string& line) {
        std::cout << (CheckGivens(line) ? '1' : '0') << '\n';
    });
}

int runSolve(const std::vector<std::string>& args) {
    return runLines("solve", args, {}, [](const auto&, const std::string& line) {
        const SolveResult result = SolveString(line);
        std::cout << result.status << ' ' << result.grid << '\n';
    });
}

int runUnique(const std::vector<std::string>& args) {
    return runLines("unique", args, {"--dialog"}, [](const auto& options, const std::string& line) {
        const UniquenessReport report =
            hasOption(options, "--dialog") ? TestUniquenessDialog(line) : TestUniqueness(line);
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
         "'.' included, is an entry. A short line has blanks at its end.\n",
         runCheck},
        {"solve", "the status and the least solution of each puzzle",
         "Usage: velmar-cli solve [FILE...]\n"
         "\n"
         "For each puzzle line ('1'..'9' givens, any other character a blank) prints\n"
         "the status, a blank and 81 digits: \"0\" and the least solution (row by row,\n"
         "lowest digits first), or \"1\" and the puzzle with '0' for its blanks when it\n"
         "has no solution, has no blank or its givens conflict.\n",
         runSolve},
        {"unique", "whether each puzzle has one, no or several solutions",
         "Usage: velmar-cli unique [--dialog] [FILE...]\n"
         "\n"
         "For each puzzle line ('1'..'9' givens, any other character a blank) prints\n"
         "the result code, the first solution and the second solution, separated by\n"
         "blanks. Codes: 0 exactly one solution, 1 no solution, 2 several solutions.\n"
         "A solution that means nothing for the code is written as \"-\".\n"
         "\n"
         "  --dialog  the import dialog's rule: a full grid whose givens agree is its\n"
         "            own single solution (without it, a full grid gives code 1)\n",
         runUnique},
    };
}

} // namespace velmar::cli
