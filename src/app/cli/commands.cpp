// SPDX-License-Identifier: GPL-3.0-or-later
// The table of velmar-cli subcommands; each family registers its own list.
#include "app/cli/cli_common.h"
#include "app/cli/command_lists.h"

namespace velmar::cli {

// The subcommands' help texts state the limit in bytes.
static_assert(kMaxLineBytes == 65536);

const std::vector<Command>& commands() {
    static const std::vector<Command> all = [] {
        std::vector<Command> list;
        for (auto family : {solverCommands, hintCommands, bankCommands, importCommands,
                            gameCommands, exportCommands, pictureCommands, studyCommands}) {
            for (Command& command : family()) list.push_back(std::move(command));
        }
        return list;
    }();
    return all;
}

} // namespace velmar::cli
