// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli copy and print: a position line as the copy dialog's clipboard
// text or as the printable page.
#include "app/cli/board_input.h"
#include "app/cli/command_lists.h"
#include "app/cli/english_table.h"
#include "board/board_cells.h"
#include "exchange/clipboard_text.h"
#include "exchange/fill_empty_cells.h"
#include "exchange/printable_page.h"
#include "text/string_table.h"

#include <algorithm>
#include <iostream>

namespace velmar::cli {

namespace {

int runCopy(const std::vector<std::string>& args) {
    const auto parsed = ParseArguments("copy", args, {"--format", "--blank"}, {"--fill"});
    if (!parsed) return kUsageError;
    const auto format = parseDecimal(ValueOf(*parsed, "--format", "1"), 4);
    if (!format || *format == 0) return usageError("copy", "--format takes one of 1, 2, 3, 4");
    const std::string blank = ValueOf(*parsed, "--blank", ".");
    const bool fill =
        std::find(parsed->flags.begin(), parsed->flags.end(), "--fill") != parsed->flags.end();
    bool first = true;
    return ForEachBoard("copy", parsed->files, [&](const BoardCells& read, const std::string&) {
        BoardCells board = read;
        if (fill) FillEmptyCells(board);
        if (!first) std::cout << '\n';
        first = false;
        std::cout << JoinLines(
            RenderClipboardText(board, static_cast<ClipboardFormat>(*format), blank), "\n");
        return true;
    });
}

int runPrint(const std::vector<std::string>& args) {
    const auto parsed = ParseArguments("print", args, {"--style", "--size"}, {});
    if (!parsed) return kUsageError;
    const auto style =
        Choice("print", "--style", ValueOf(*parsed, "--style", "normal"), {"normal", "candidates"});
    const auto size = style ? Choice("print", "--size", ValueOf(*parsed, "--size", "small"),
                                     {"small", "normal", "big"})
                            : std::nullopt;
    if (!size) return kUsageError;
    BoardCells board;
    if (const int status = ReadOneBoard("print", parsed->files, board); status != 0) return status;
    const StringTable english = ParseStringTable(EnglishTableText());
    std::cout << PrintablePageText(
        board, *style == 0 ? PrintStyle::Normal : PrintStyle::WithCandidates,
        static_cast<PaperSize>(*size), english.LookupText("frmprintselect.sudoku"),
        english.LookupText("frmprintselect.sudokuby"));
    return 0;
}

} // namespace

std::vector<Command> exportCommands() {
    return {
        {"copy", "a position line as clipboard text, as the copy dialog renders it",
         "Usage: velmar-cli copy [--format 1..4] [--blank TEXT] [--fill] [FILE...]\n"
         "\n"
         "For each position line (81 comma-joined entries, each a State digit and the\n"
         "cell's Text) prints the board as the \"Copy Puzzle To Clipboard\" dialog\n"
         "renders it, each line ended by a line break; the renderings of several\n"
         "lines are separated by one empty line. Blank lines are skipped; a line that\n"
         "is no position line or is longer than 65536 bytes stops the run with a\n"
         "message naming the line and exit status 2.\n"
         "\n"
         "  --format N   1 \"No Candidate\" (the default), 2 \"With Candidates\",\n"
         "               3 \"9*9\", 4 \"1*81\"\n"
         "  --blank TEXT the \"Express blanks as\" box: TEXT without surrounding blanks\n"
         "               when that is one character, else '.' (the default is '.';\n"
         "               format 2 always uses '.')\n"
         "  --fill       first give every empty cell that is not a given its\n"
         "               candidates, as opening the dialog does\n",
         runCopy},
        {"print", "the printable page of a position line",
         "Usage: velmar-cli print [--style normal|candidates] [--size small|normal|big]\n"
         "                        [FILE...]\n"
         "\n"
         "Reads one position line and writes the whole printable page (HTML, UTF-8,\n"
         "lines ended by CR LF, the same bytes as the game's \"print_temp.htm\") to\n"
         "standard output, with the English title and credit lines. Blank lines are\n"
         "skipped; no position line, a second one, an invalid one or one longer than\n"
         "65536 bytes gives a message and exit status 2.\n"
         "\n"
         "  --style S  \"normal\" (the default): open cells print empty;\n"
         "             \"candidates\": open cells print their candidates\n"
         "  --size S   the paper size: \"small\" (A4, the default), \"normal\" (A3),\n"
         "             \"big\" (A2)\n",
         runPrint},
    };
}

} // namespace velmar::cli
