// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_common.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>

namespace velmar::cli {

int usageError(std::string_view commandName, std::string_view message) {
    std::cerr << "velmar-cli";
    if (!commandName.empty()) std::cerr << ' ' << commandName;
    std::cerr << ": " << message << '\n';
    return kUsageError;
}

bool printHelpIfAsked(const Command& command, const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << command.help;
            return true;
        }
    }
    return false;
}

bool splitArguments(std::string_view commandName, const std::vector<std::string>& args,
                    const std::vector<std::string_view>& known, std::vector<std::string>& options,
                    std::vector<std::string>& files) {
    bool onlyFiles = false;
    for (const std::string& arg : args) {
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            if (std::find(known.begin(), known.end(), arg) == known.end()) {
                usageError(commandName, "unknown option '" + arg + "'");
                return false;
            }
            options.push_back(arg);
        } else {
            files.push_back(arg);
        }
    }
    return true;
}

bool hasOption(const std::vector<std::string>& options, std::string_view name) {
    return std::find(options.begin(), options.end(), name) != options.end();
}

namespace {

void readLines(std::istream& in, const std::function<void(const std::string&)>& perLine) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        perLine(line);
    }
}

} // namespace

int forEachInputLine(std::string_view commandName, const std::vector<std::string>& files,
                     const std::function<void(const std::string& line)>& perLine) {
    if (files.empty()) {
        readLines(std::cin, perLine);
        return 0;
    }
    // Open every file before writing anything, so a bad name fails cleanly.
    for (const std::string& name : files) {
        std::ifstream probe(name, std::ios::binary);
        if (!probe) return usageError(commandName, "cannot read '" + name + "'");
    }
    for (const std::string& name : files) {
        std::ifstream in(name, std::ios::binary);
        readLines(in, perLine);
        if (in.bad()) return usageError(commandName, "error while reading '" + name + "'");
    }
    return 0;
}

} // namespace velmar::cli
