// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli practice and stats: positions of the built-in bank where a
// technique is the next step, and the player's statistics.
#include "app/cli/command_lists.h"
#include "bank/practice_positions.h"
#include "hints/study/technique_guide.h"
#include "history/position_line.h"
#include "storage/game_statistics.h"

#include <iostream>

namespace velmar::cli {

namespace {

constexpr std::string_view kPractice = "practice";

int listTechniques() {
    const PracticeSet& set = BuiltInPractice();
    for (int id : study::distinctLadderTechniques()) {
        std::cout << ladder::techniqueInfo(id).name << '\t' << set[id].size() << '\t'
                  << study::ladderGuide(id).explanation << '\n';
    }
    return 0;
}

int runPractice(const std::vector<std::string>& args) {
    std::string name;
    std::uint64_t count = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--list" && args.size() == 1) return listTechniques();
        if (args[i] == "--count") {
            const auto number = i + 1 < args.size() ? parseDecimal(args[++i]) : std::nullopt;
            if (!number)
                return usageError(kPractice, "--count needs a decimal number of positions");
            count = *number;
        } else if (name.empty() && !args[i].empty() && args[i][0] != '-') {
            name = args[i];
        } else {
            return usageError(kPractice, "unexpected argument '" + args[i] + "'");
        }
    }
    if (name.empty()) return usageError(kPractice, "expected a TECHNIQUE or --list");
    const int id = PracticeTechnique(name);
    if (id < 0) return usageError(kPractice, "no technique is called '" + name + "'");
    const std::vector<PracticeRef>& refs = BuiltInPractice()[id];
    for (std::size_t i = 0; i < refs.size() && i < count && !outputFailed(); ++i) {
        std::cout << WritePositionLine(PracticeBoard(PuzzleBank::builtIn(), refs[i])) << '\n';
    }
    return 0;
}

std::string timeOrDash(std::optional<std::uint32_t> seconds) {
    return seconds ? FormatSeconds(*seconds) : "-";
}

int runStats(const std::vector<std::string>& args) {
    if (!args.empty()) return usageError("stats", "unexpected argument '" + args[0] + "'");
    const StatisticsLoad load = LoadStatistics(dataFolder().string());
    if (!load.Statistics) {
        std::cerr << "velmar-cli stats: " << load.Problem << '\n';
        return 1;
    }
    std::cout << "level\tstarted\tfinished\twithout hints\tbest\tmedian\n";
    for (int level = 0; level < kStatisticsLevels; ++level) {
        const LevelStatistics& stats = load.Statistics->levels[level];
        std::cout << (level < kBankLevels ? LevelName(level) : "Unknown") << '\t' << stats.started
                  << '\t' << stats.finished << '\t' << stats.withoutHints << '\t'
                  << timeOrDash(stats.best()) << '\t' << timeOrDash(stats.median()) << '\n';
    }
    return 0;
}

} // namespace

std::vector<Command> studyCommands() {
    return {
        {kPractice, "positions of the bank where a technique is the next step",
         "Usage: velmar-cli practice TECHNIQUE [--count N]\n"
         "       velmar-cli practice --list\n"
         "\n"
         "Prints up to N (default 1) position lines from the built-in bank on which\n"
         "TECHNIQUE is the advanced techniques' next step (velmar-cli hint --extended\n"
         "names it): givens, the digits placed before, and every open cell's\n"
         "candidates. TECHNIQUE is a name as --list shows it, letter case, blanks,\n"
         "hyphens and underscores alike (\"hidden pair\", \"x-wing\", \"Two_String_Kite\").\n"
         "A technique without positions prints nothing.\n"
         "\n"
         "  --list  every technique of the advanced ladder: its name, how many\n"
         "          positions the bank has for it and a one-sentence explanation,\n"
         "          tab-separated\n",
         runPractice},
        {"stats", "the player's statistics per level",
         "Usage: velmar-cli stats\n"
         "\n"
         "Prints the statistics the game keeps in \"statistics.dat\" in its data folder\n"
         "($VELMAR_DATA_DIR, else $XDG_DATA_HOME/velmar, else ~/.local/share/velmar):\n"
         "a header line, then one line per level (Very Easy .. Diabolical, Unknown)\n"
         "with the games started, finished and finished without a hint, and the best\n"
         "and the median time of the finished ones (H:MM:SS, \"-\" when none),\n"
         "tab-separated. A missing file counts no games. A damaged file is named\n"
         "with its line on standard error, left as it is, and the exit status is 1.\n",
         runStats},
    };
}

} // namespace velmar::cli
