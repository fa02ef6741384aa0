// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli: the headless tool of Sudoku Velmar.
#include "app/cli/cli_common.h"

#include <iostream>
#include <string>
#include <vector>

using velmar::cli::Command;
using velmar::cli::commands;

namespace {

void printToolHelp() {
    std::cout << "Usage: velmar-cli COMMAND [OPTIONS] [FILE...]\n"
                 "\n"
                 "The headless tool of Sudoku Velmar. Most commands read puzzle lines or\n"
                 "position lines from the files named, or from standard input, and write one\n"
                 "line per input line.\n"
                 "\n"
                 "Commands:\n";
    for (const Command& command : commands()) {
        std::string name(command.name);
        name.resize(std::max<std::size_t>(name.size() + 2, 12), ' ');
        std::cout << "  " << name << command.summary << '\n';
    }
    std::cout << "\n"
                 "A line longer than 65536 bytes is answered as an invalid line and the rest\n"
                 "of it skipped. Exit status 2 for a usage error, an input that cannot be\n"
                 "read or an output that cannot be written, each with a message.\n"
                 "\n"
                 "Run \"velmar-cli COMMAND --help\" for the details of one command, and\n"
                 "\"velmar-cli --version\" for the version.\n";
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    using velmar::cli::finishOutput;
    if (args.empty()) {
        printToolHelp();
        return finishOutput({}, velmar::cli::kUsageError);
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printToolHelp();
        return finishOutput({}, 0);
    }
    if (args[0] == "--version") {
        std::cout << "velmar-cli " VELMAR_VERSION "\n";
        return finishOutput({}, 0);
    }
    for (const Command& command : commands()) {
        if (command.name == args[0]) {
            const std::vector<std::string> rest(args.begin() + 1, args.end());
            if (velmar::cli::printHelpIfAsked(command, rest)) return finishOutput(command.name, 0);
            return finishOutput(command.name, command.run(rest));
        }
    }
    return velmar::cli::usageError({}, "unknown command '" + args[0] + "' (see --help)");
}
