// SPDX-License-Identifier: GPL-3.0-or-later
// What the board commands (copy, print, picture) share: position lines read
// from files or standard input, and options with values.
#pragma once

#include "board/board_cells.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmar::cli {

// Calls `perBoard` for the board of every line of the files (or standard
// input) that is not blank. A line that is no position line, or a file that
// cannot be read, ends the run with a message naming the place.
int ForEachBoard(
    std::string_view command, const std::vector<std::string>& files,
    const std::function<bool(const BoardCells& board, const std::string& where)>& perBoard);

// The one position line of the input; no line or a second one is an error.
int ReadOneBoard(std::string_view command, const std::vector<std::string>& files,
                 BoardCells& board);

// Options of the form "--name VALUE" or "--name=VALUE", flags, and file
// names; the value of each option is checked by the caller.
struct Arguments {
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> flags;
    std::vector<std::string> files;
};

std::optional<Arguments> ParseArguments(std::string_view command,
                                        const std::vector<std::string>& args,
                                        const std::vector<std::string_view>& valueNames,
                                        const std::vector<std::string_view>& flagNames);

// The value of the option's last use, or `fallback`.
std::string ValueOf(const Arguments& args, std::string_view name, std::string fallback);

// The index of `value` among `choices`, or nothing after a message.
std::optional<int> Choice(std::string_view command, std::string_view option,
                          const std::string& value, const std::vector<std::string_view>& choices);

} // namespace velmar::cli
