// SPDX-License-Identifier: GPL-3.0-or-later
// Shared plumbing of velmar-cli: the subcommand table and line-by-line input.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::cli {

// Exit status for a usage error or an unreadable file.
constexpr int kUsageError = 2;

struct Command {
    std::string_view name;
    std::string_view summary; // one line for the tool's --help
    std::string_view help;    // full text for "velmar-cli NAME --help"
    // Receives the arguments after the subcommand name.
    std::function<int(const std::vector<std::string>& args)> run;
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& commands();

// Splits arguments into options ("--x") and file names. Options not in
// `known` are reported on standard error; returns false then.
bool splitArguments(std::string_view commandName, const std::vector<std::string>& args,
                    const std::vector<std::string_view>& known, std::vector<std::string>& options,
                    std::vector<std::string>& files);

bool hasOption(const std::vector<std::string>& options, std::string_view name);

// Calls `perLine` for every line of the named files, or of standard input when
// there are none. A line is passed byte for byte without its "\n" or "\r\n".
// Returns kUsageError after a one-line message when a file cannot be read.
int forEachInputLine(std::string_view commandName, const std::vector<std::string>& files,
                     const std::function<void(const std::string& line)>& perLine);

// "velmar-cli NAME: message" on standard error; returns kUsageError.
int usageError(std::string_view commandName, std::string_view message);

// Prints the command's help when asked for; true when it did.
bool printHelpIfAsked(const Command& command, const std::vector<std::string>& args);

} // namespace velmar::cli
