// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli import: recognises a puzzle text as the import dialog does and
// prints its layout and the grid it converts to.
#include "app/cli/command_lists.h"
#include "board/board_cells.h"
#include "exchange/puzzle_text_import.h"
#include "history/position_line.h"

#include <iostream>
#include <string>

namespace velmar::cli {

namespace {

int runImport(const std::vector<std::string>& args) {
    std::vector<std::string> options, files;
    if (!splitArguments("import", args, {"--line"}, options, files)) return kUsageError;
    if (files.size() > 1) return usageError("import", "takes one text at a time");

    std::string text;
    if (const int status = readWholeInput("import", files.empty() ? "" : files[0], text);
        status != 0)
        return status;

    // A byte-order mark marks the encoding; it is not part of the text.
    std::string_view body = text;
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);

    const PuzzleTextImport imported = ImportPuzzleText(body);
    std::cout << imported.layout << '\n';
    if (imported.layout == kLayoutInvalid) {
        std::cout.flush();
        std::cerr << "Invalid format.\n";
        return 1;
    }
    std::cout << (hasOption(options, "--line") ? ImportedPuzzleLine(imported.grid)
                                               : WritePositionLine(imported.grid))
              << '\n';
    return 0;
}

} // namespace

std::vector<Command> importCommands() {
    return {
        {"import", "the layout of a puzzle text and the grid it imports to",
         "Usage: velmar-cli import [--line] [FILE]\n"
         "\n"
         "Reads one whole puzzle text (UTF-8, at most 16 MiB, a leading byte-order\n"
         "mark skipped) from FILE or standard input, byte for byte, and recognises it\n"
         "as the import dialog does. Prints the layout number on the first line: 1 a\n"
         "string of 81 characters, 2 exactly 81 characters that are not whitespace,\n"
         "3 a decorated grid whose blanks are one symbol (. * _ - ` , x X ? or the\n"
         "full-width ？), 4 a candidate grid (more than 81 digits), 0 not recognised.\n"
         "\n"
         "For layouts 1..4 the second line is the imported grid as a position line:\n"
         "81 comma-joined entries, \"2\" and the digit for a given, \"3\" and the\n"
         "candidate digits (possibly none) for any other cell.\n"
         "\n"
         "  --line  print the second line as an 81-character puzzle line instead:\n"
         "          the givens' digits, '.' for every other cell\n"
         "\n"
         "Exit status 0; 1 with \"Invalid format.\" on standard error for layout 0;\n"
         "2 for a usage error, or an input that cannot be read or is larger than\n"
         "16 MiB (16777216 bytes), each with a one-line message.\n",
         runImport},
    };
}

} // namespace velmar::cli
