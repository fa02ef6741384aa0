// SPDX-License-Identifier: GPL-3.0-or-later
// One function per family of subcommands, each in its own cmd_*.cpp file.
#pragma once

#include "app/cli/cli_common.h"

namespace velmar::cli {

std::vector<Command> solverCommands();  // check, solve, unique
std::vector<Command> hintCommands();    // rate, hint
std::vector<Command> bankCommands();    // bank, deal
std::vector<Command> importCommands();  // import
std::vector<Command> gameCommands();    // games
std::vector<Command> exportCommands();  // copy, print
std::vector<Command> pictureCommands(); // picture
std::vector<Command> studyCommands();   // practice, stats

} // namespace velmar::cli
