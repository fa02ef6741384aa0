// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli rate and hint: the hint engine over puzzle lines and position
// lines, one result line per input line.
#include "app/cli/command_lists.h"
#include "board/board_cells.h"
#include "hints/engine_layout.h"
#include "hints/hint_dialog_model.h"
#include "hints/puzzle_rating.h"
#include "hints/study/solution_path.h"
#include "hints/study/staged_hint.h"
#include "history/position_line.h"

#include <iostream>
#include <optional>

namespace velmar::cli {

namespace {

std::string cellNameOfIndex(int i) {
    return hints::cellName(hints::engineCellOfIndex(i));
}

// The names of the cells, in board order, whose digit a peer also holds;
// `digits` has '1'..'9' for a filled cell and anything else for an open one.
std::string conflictingCells(std::string_view digits) {
    std::string names;
    for (int i = 0; i < 81 && i < static_cast<int>(digits.size()); ++i) {
        if (digits[i] < '1' || digits[i] > '9') continue;
        for (int peer : BoardCells::PeersOf(i)) {
            if (peer < static_cast<int>(digits.size()) && digits[peer] == digits[i]) {
                if (!names.empty()) names += ' ';
                names += cellNameOfIndex(i);
                break;
            }
        }
    }
    return names;
}

// The filled cells of a position as conflictingCells() takes them.
std::string filledDigits(const BoardCells& board) {
    std::string digits(81, '0');
    for (int i = 0; i < 81; ++i) {
        const TPicNode& cell = board.at(i);
        if (cell.State != kStateOpen && cell.Text.size() == 1) digits[i] = cell.Text[0];
    }
    return digits;
}

int runRate(const std::vector<std::string>& args) {
    std::vector<std::string> options, files;
    if (!splitArguments("rate", args, {"--steps", "--trace", "--extended"}, options, files)) {
        return kUsageError;
    }
    const bool extended = hasOption(options, "--extended");
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
    engine.setAdvanced(extended);
    return forEachInputLine("rate", files, [&](const InputLine& line) {
        // Only the first 81 characters count, and only they are echoed.
        const std::string_view puzzle = std::string_view(line.text).substr(0, 81);
        if (line.overLong) {
            std::cout << puzzle << "\ttoo long\n";
        } else if (const std::string conflicts = conflictingCells(puzzle); !conflicts.empty()) {
            std::cout << puzzle << "\tconflict\t" << conflicts << '\n';
        } else {
            std::cout << RatePuzzleLine(engine, puzzle, observer);
            if (extended) {
                std::cout << DifficultyColumns(engine.hardestDifficulty(),
                                               engine.hardestTechnique());
            }
            std::cout << '\n';
        }
    });
}

const char* colourName(HighlightColour colour) {
    return colour == HighlightColour::Cyan ? "cyan" : "magenta";
}

// Takes "--stage N" out of the arguments: the stage, kLastStage without it
// (the whole hint), nothing after a usage message.
std::optional<int> takeStage(std::vector<std::string>& args) {
    int stage = study::kLastStage;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--stage") continue;
        const auto number =
            i + 1 < args.size() ? parseDecimal(args[i + 1], study::kLastStage) : std::nullopt;
        if (!number || *number < study::kFirstStage) {
            usageError("hint", "--stage needs 1, 2 or 3");
            return std::nullopt;
        }
        stage = static_cast<int>(*number);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return stage;
}

int runHint(std::vector<std::string> args) {
    const std::optional<int> stage = takeStage(args);
    std::vector<std::string> options, files;
    if (!stage ||
        !splitArguments("hint", args, {"--pencil", "--extended", "--path"}, options, files)) {
        return kUsageError;
    }
    const bool pencil = hasOption(options, "--pencil");
    const bool extended = hasOption(options, "--extended");
    const bool path = hasOption(options, "--path");
    return forEachInputLine("hint", files, [&](const InputLine& line) {
        BoardCells board;
        if (line.overLong || !ReadPositionLine(board, line.text)) {
            std::cout << "invalid position line\n";
            return;
        }
        // No deduction means anything on a board that breaks the rules.
        if (const std::string conflicts = conflictingCells(filledDigits(board));
            !conflicts.empty()) {
            std::cout << "conflicting digits\t" << conflicts << '\n';
            return;
        }
        if (path) {
            std::cout << study::solutionPathText(study::findSolutionPath(board, pencil, extended));
            return;
        }
        HintDialogModel dialog(board);
        dialog.engine().setAdvanced(extended);
        dialog.open(pencil);
        const study::HintStage shown = study::stagedHint(dialog.engine().hint(), *stage);
        std::cout << SentenceOnOneLine(shown.text) << '\t';
        const HintHighlights& marks = shown.highlights;
        bool first = true;
        for (int i = 0; i < 81; ++i) {
            if (marks[i] == HighlightColour::White) continue;
            if (!first) std::cout << ' ';
            first = false;
            std::cout << cellNameOfIndex(i) << ':' << colourName(marks[i]);
        }
        if (extended) {
            const Hint& hint = dialog.engine().hint();
            std::cout << DifficultyColumns(hint.difficulty, hint.ladderTechnique);
        }
        std::cout << '\n';
    });
}

} // namespace

std::vector<Command> hintCommands() {
    return {
        {"rate", "rate each puzzle by the hint engine's difficulty score",
         "Usage: velmar-cli rate [--steps] [--trace] [--extended] [FILE...]\n"
         "\n"
         "For each puzzle line ('1'..'9' givens, any other character a blank; a short\n"
         "line has blanks at its end, only the first 81 characters count) runs the\n"
         "hint engine from the givens until it solves the puzzle, is stumped or finds\n"
         "no solution, and prints the line's first 81 characters, the score and the\n"
         "twelve technique counters, separated by tabs. Counters: hidden single,\n"
         "naked single, box/line reduction, naked subset, hidden subset, rectangle\n"
         "corner, rectangle extra digit, band rectangle, generalized chain,\n"
         "single-digit chain, chain of pairs, stumped.\n"
         "Instead of the score and the counters, givens that share a digit with a\n"
         "peer print \"conflict\", a tab and those cells (\"A1 A5\"), and a line\n"
         "longer than 65536 bytes prints \"too long\".\n"
         "\n"
         "  --steps  before the result line, one line per step: the hint sentence\n"
         "           (line breaks written as \" / \"), \"---难度分：\" and the score\n"
         "  --trace  after each step that found something: \"state\", a tab and the\n"
         "           81 cells comma-joined, a placed digit or \"+\" and the candidates\n"
         "  --extended  rate with the advanced techniques (the \"Advanced techniques\"\n"
         "           setting): the score uses their weights, each counter counts its\n"
         "           family, and the result line ends in two more columns: the\n"
         "           difficulty on the 1.0-11.9 scale (the hardest step's, \"7.2\") and\n"
         "           the name of the hardest step's technique\n",
         runRate},
        {"hint", "the first hint for each position line",
         "Usage: velmar-cli hint [--pencil] [--extended] [--stage 1|2|3 | --path] [FILE...]\n"
         "\n"
         "For each position line (81 comma-joined entries, each a State digit and the\n"
         "cell's Text) runs the hint dialog's first request and prints the sentence\n"
         "(line breaks written as \" / \"), a tab, and the highlighted cells in board\n"
         "order as NAME:COLOUR separated by blanks (colour \"cyan\" or \"magenta\").\n"
         "A line that is no position line (an empty one, or one longer than 65536\n"
         "bytes) prints \"invalid position line\"; a position whose filled cells\n"
         "share a digit with a peer prints \"conflicting digits\", a tab and those\n"
         "cells (\"A1 A5\").\n"
         "\n"
         "  --pencil  the \"Pencil and Paper\" mode: candidates come from the filled\n"
         "            cells, not from the cells' marks\n"
         "  --extended  the hint of the advanced techniques, followed by two more\n"
         "            columns: the step's difficulty (\"7.2\") and its technique's name\n"
         "            (\"0.0\" and nothing for \"Solved!\", \"I'm stumped!\", \"No solution!\")\n"
         "  --stage N  the hint told in stages, smallest first: 1 the technique's name\n"
         "            only (\"Look for a hidden pair\"), 2 also where to look (the unit or\n"
         "            the pattern's squares, coloured cyan, no digit named), 3 the whole\n"
         "            hint (the default); an outcome reads the same at every stage\n"
         "  --path    instead of the first hint, the whole solution path: one line per\n"
         "            step with its number, technique, difficulty (the score weight, or\n"
         "            \"7.2\" with --extended) and sentence, tab-separated, \"hardest\" as a\n"
         "            fifth column on the first hardest step; then the outcome\n"
         "            (\"Solved!\", \"I'm stumped!\", \"No solution!\") on a line of its own\n",
         runHint},
    };
}

} // namespace velmar::cli
