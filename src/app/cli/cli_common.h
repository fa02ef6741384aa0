// SPDX-License-Identifier: GPL-3.0-or-later
// Shared plumbing of velmar-cli: the subcommand table, bounded input, strict
// numbers and truthful exit statuses.
#pragma once

#include "app/cli/line_reader.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::cli {

// Exit status for a usage error, an unreadable input or an unwritable output.
constexpr int kUsageError = 2;

// The most a whole-text reader (a puzzle text, a game file) takes in.
constexpr std::size_t kMaxWholeInputBytes = 16 * 1024 * 1024;

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
// there are none, empty lines included (see LineReader). Returns kUsageError
// after a one-line message when an input cannot be read, and without one when
// standard output failed (finishOutput reports that); reading stops at the
// first failure.
int forEachInputLine(std::string_view commandName, const std::vector<std::string>& files,
                     const std::function<void(const InputLine& line)>& perLine);

// Where a line came from, for messages such as "'a.txt' line 3: ...".
struct InputPlace {
    std::string input;      // "'NAME'" or "standard input"
    std::uint64_t line = 0; // counted from 1 in its input
    std::string describe() const { return input + " line " + std::to_string(line); }
};

// forEachInputLine for a command that may stop early: a status other than 0
// from `perLine` ends the reading and is returned.
int readInputLines(
    std::string_view commandName, const std::vector<std::string>& files,
    const std::function<int(const InputLine& line, const InputPlace& place)>& perLine);

// The whole named file, or standard input when `file` is empty, into `text`.
// Returns kUsageError after a one-line message when it cannot be read or holds
// more than `maxBytes`.
int readWholeInput(std::string_view commandName, const std::string& file, std::string& text,
                   std::size_t maxBytes = kMaxWholeInputBytes);

// The game window's data folder: $VELMAR_DATA_DIR, else the generic data
// location ($XDG_DATA_HOME, else ~/.local/share) followed by "velmar".
std::filesystem::path dataFolder();

// A decimal number written whole: digits only, no sign, blank or suffix, and
// at most `max`. Nothing for any other text.
std::optional<std::uint64_t> parseDecimal(std::string_view text, std::uint64_t max = UINT64_MAX);

// After a command: flushes standard output and turns a write error, then or
// earlier, into a one-line message and kUsageError; otherwise returns `status`.
int finishOutput(std::string_view commandName, int status);
// Whether standard output has already failed, so a long run can stop early.
bool outputFailed();

// "velmar-cli NAME: message" on standard error; returns kUsageError.
int usageError(std::string_view commandName, std::string_view message);

// Prints the command's help when asked for; true when it did.
bool printHelpIfAsked(const Command& command, const std::vector<std::string>& args);

} // namespace velmar::cli
