// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli rate and hint: the hint engine over puzzle lines and position
// lines, one result line per input line.
#include "app/cli/command_lists.h"
#include "board/board_cells.h"
#include "hints/engine_layout.h"
#include "hints/hint_dialog_model.h"
#include "hints/puzzle_rating.h"
#include "history/position_line.h"

#include <iostream>

namespace velmar::cli {

namespace {

int runRate(const std::vector<std::string>& args) {
    std::vector<std::string> options, files;
    if (!splitArguments("rate", args, {"--steps", "--trace"}, options, files)) {
        return kUsageError;
    }
    RatingObserver observer;
    if (hasOption(options, "--steps")) {
        observer.step = [](const HintEngine& engine) {
            std::cout << ScoredSentence(engine.hint().sentence, engine.score()) << '\n';
        };
    }
    if (hasOption(options, "--trace")) {
        observer.state = [](const HintEngine& engine) {
            std::cout << "state\t" << EngineStateText(engine) << '\n';
        };
    }
    HintEngine engine;
    return forEachInputLine("rate", files, [&](const std::string& line) {
        if (line.empty()) return;
        std::cout << RatePuzzleLine(engine, line, observer) << '\n';
    });
}

const char* colourName(HighlightColour colour) {
    return colour == HighlightColour::Cyan ? "cyan" : "magenta";
}

int runHint(const std::vector<std::string>& args) {
    std::vector<std::string> options, files;
    if (!splitArguments("hint", args, {"--pencil"}, options, files)) {
        return kUsageError;
    }
    const bool pencil = hasOption(options, "--pencil");
    return forEachInputLine("hint", files, [&](const std::string& line) {
        if (line.empty()) return;
        BoardCells board;
        if (!ReadPositionLine(board, line)) {
            std::cout << "invalid position line\n";
            return;
        }
        HintDialogModel dialog(board);
        dialog.open(pencil);
        std::cout << SentenceOnOneLine(dialog.text()) << '\t';
        const HintHighlights& marks = dialog.highlights();
        bool first = true;
        for (int i = 0; i < 81; ++i) {
            if (marks[i] == HighlightColour::White) continue;
            if (!first) std::cout << ' ';
            first = false;
            std::cout << hints::cellName(hints::engineCellOfIndex(i)) << ':'
                      << colourName(marks[i]);
        }
        std::cout << '\n';
    });
}

} // namespace

std::vector<Command> hintCommands() {
    return {
        {"rate", "rate each puzzle by the hint engine's difficulty score",
         "Usage: velmar-cli rate [--steps] [--trace] [FILE...]\n"
         "\n"
         "For each puzzle line ('1'..'9' givens, any other character a blank; a short\n"
         "line has blanks at its end, only the first 81 characters count, empty lines\n"
         "are skipped) runs the hint engine from the givens until it solves the\n"
         "puzzle, is stumped or finds no solution, and prints the line, the score and\n"
         "the twelve technique counters, separated by tabs. Counters: hidden single,\n"
         "naked single, box/line reduction, naked subset, hidden subset, rectangle\n"
         "corner, rectangle extra digit, band rectangle, generalized chain,\n"
         "single-digit chain, chain of pairs, stumped.\n"
         "\n"
         "  --steps  before the result line, one line per step: the hint sentence\n"
         "           (line breaks written as \" / \"), \"---难度分：\" and the score\n"
         "  --trace  after each step that found something: \"state\", a tab and the\n"
         "           81 cells comma-joined, a placed digit or \"+\" and the candidates\n",
         runRate},
        {"hint", "the first hint for each position line",
         "Usage: velmar-cli hint [--pencil] [FILE...]\n"
         "\n"
         "For each position line (81 comma-joined entries, each a State digit and the\n"
         "cell's Text) runs the hint dialog's first request and prints the sentence\n"
         "(line breaks written as \" / \"), a tab, and the highlighted cells in board\n"
         "order as NAME:COLOUR separated by blanks (colour \"cyan\" or \"magenta\").\n"
         "A line that is no position line prints \"invalid position line\"; empty\n"
         "lines are skipped.\n"
         "\n"
         "  --pencil  the \"Pencil and Paper\" mode: candidates come from the filled\n"
         "            cells, not from the cells' marks\n",
         runHint},
    };
}

} // namespace velmar::cli
