// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/board_input.h"

#include "app/cli/cli_common.h"
#include "history/position_line.h"
#include "text/trim.h"

#include <algorithm>

namespace velmar::cli {

int ForEachBoard(
    std::string_view command, const std::vector<std::string>& files,
    const std::function<bool(const BoardCells& board, const std::string& where)>& perBoard) {
    return readInputLines(command, files, [&](const InputLine& line, const InputPlace& place) {
        if (line.overLong) return usageError(command, place.describe() + ": line too long");
        if (TrimBlanks(line.text).empty()) return 0;
        BoardCells board;
        if (!ReadPositionLine(board, line.text))
            return usageError(command, place.describe() + ": invalid position line");
        return perBoard(board, place.describe()) ? 0 : kUsageError;
    });
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
