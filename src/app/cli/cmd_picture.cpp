// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli picture: a position line as the board picture the game saves.
// The drawing needs Qt, which the other commands do without (they start fast
// and run in little memory): velmar-cli hands the command to the program
// velmar-picture, next to it in a build tree or in its libexec folder once
// installed, with the same arguments, input and output.
#include "app/cli/command_lists.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>

namespace velmar::cli {

namespace {

namespace fs = std::filesystem;

// Where velmar-picture is, or an empty path.
fs::path FindDrawingProgram() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    for (const fs::path& candidate :
         {self.parent_path() / "velmar-picture", self.parent_path() / VELMAR_PICTURE_FROM_BINDIR}) {
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

int runPicture(const std::vector<std::string>& args) {
    const fs::path program = FindDrawingProgram();
    if (program.empty())
        return usageError("picture", "velmar-picture is not installed (it comes with the game)");
    std::vector<char*> argv;
    std::string name = "velmar-picture";
    argv.push_back(name.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::cout.flush();
    execv(program.c_str(), argv.data());
    return usageError("picture", "cannot run " + program.string());
}

} // namespace

std::vector<Command> pictureCommands() {
    return {
        {"picture", "a position line as the board picture the game saves",
         "Usage: velmar-cli picture --out FILE [--scale N] [FILE...]\n"
         "\n"
         "Reads one position line and writes the board panel (the board with its row\n"
         "letters and column digits) as the game's \"Save as picture\" draws it after\n"
         "stepping to the position, in the default colours. The name decides the\n"
         "format, in any letter case: a name ending in \"jpg\" or \".jpeg\" gets JPEG,\n"
         "one ending in \".png\" PNG, any other BMP. It needs no screen, but the program\n"
         "velmar-picture that comes with the game. Blank lines are skipped; no\n"
         "position line, a second one, an invalid one, one longer than 65536 bytes\n"
         "or a file that cannot be written gives a message and exit status 2.\n"
         "\n"
         "  --out FILE  the picture to write (replaced whole)\n"
         "  --scale N   pixels per point, 1 (the default) to 8: 2 draws as a\n"
         "              screen with device pixel ratio 2 shows the board\n",
         runPicture},
    };
}

} // namespace velmar::cli
