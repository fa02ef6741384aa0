// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/board_input.h"

#include "app/cli/cli_common.h"
#include "history/position_line.h"
#include "text/trim.h"

#include <algorithm>
#include <fstream>
#include <iostream>

namespace velmar::cli {

namespace {

// A position line is under 900 bytes; far longer input is no board.
constexpr std::size_t kLongestLine = 1 << 16;

// Reads one line of at most kLongestLine bytes without its "\n" or "\r\n".
// Returns false at the end of the input; `tooLong` tells a line cut short.
bool ReadBoundedLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    char ch;
    bool any = false;
    while (in.get(ch)) {
        any = true;
        if (ch == '\n') break;
        if (line.size() == kLongestLine) {
            tooLong = true;
            return true;
        }
        line += ch;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

} // namespace

int ForEachBoard(
    std::string_view command, const std::vector<std::string>& files,
    const std::function<bool(const BoardCells& board, const std::string& where)>& perBoard) {
    const auto readAll = [&](std::istream& in, const std::string& name) {
        std::string line;
        bool tooLong = false;
        for (long number = 1; ReadBoundedLine(in, line, tooLong); ++number) {
            const std::string where = name + " line " + std::to_string(number);
            if (tooLong) return usageError(command, where + ": line too long");
            if (TrimBlanks(line).empty()) continue;
            BoardCells board;
            if (!ReadPositionLine(board, line))
                return usageError(command, where + ": invalid position line");
            if (!perBoard(board, where)) return kUsageError;
        }
        if (in.bad()) return usageError(command, "error while reading " + name);
        return 0;
    };
    if (files.empty()) return readAll(std::cin, "standard input");
    for (const std::string& name : files) {
        std::ifstream in(name, std::ios::binary);
        if (!in) return usageError(command, "cannot read '" + name + "'");
        if (const int status = readAll(in, "'" + name + "'"); status != 0) return status;
    }
    return 0;
}

int ReadOneBoard(std::string_view command, const std::vector<std::string>& files,
                 BoardCells& board) {
    bool found = false;
    const int status =
        ForEachBoard(command, files, [&](const BoardCells& read, const std::string& where) {
            if (found) {
                usageError(command, where + ": one position line only");
                return false;
            }
            board = read;
            found = true;
            return true;
        });
    if (status != 0) return status;
    if (!found) return usageError(command, "no position line");
    return 0;
}

std::optional<Arguments> ParseArguments(std::string_view command,
                                        const std::vector<std::string>& args,
                                        const std::vector<std::string_view>& valueNames,
                                        const std::vector<std::string_view>& flagNames) {
    Arguments out;
    const auto known = [](const std::vector<std::string_view>& names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.size() < 2 || arg[0] != '-') {
            out.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (known(flagNames, name) && equals == std::string::npos) {
            out.flags.push_back(name);
        } else if (known(valueNames, name) && equals != std::string::npos) {
            out.values.emplace_back(name, arg.substr(equals + 1));
        } else if (known(valueNames, name) && i + 1 < args.size()) {
            out.values.emplace_back(name, args[++i]);
        } else if (known(valueNames, name)) {
            usageError(command, name + " needs a value");
            return std::nullopt;
        } else {
            usageError(command, "unknown option '" + arg + "'");
            return std::nullopt;
        }
    }
    return out;
}

std::string ValueOf(const Arguments& args, std::string_view name, std::string fallback) {
    for (const auto& [option, value] : args.values)
        if (option == name) fallback = value;
    return fallback;
}

std::optional<int> Choice(std::string_view command, std::string_view option,
                          const std::string& value, const std::vector<std::string_view>& choices) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == value) return static_cast<int>(i);
    std::string list;
    for (std::string_view choice : choices)
        list += (list.empty() ? "" : ", ") + std::string(choice);
    usageError(command, std::string(option) + " takes one of " + list);
    return std::nullopt;
}

} // namespace velmar::cli
