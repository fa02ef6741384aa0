// SPDX-License-Identifier: GPL-3.0-or-later
// Times the hint dialog on the real window without a screen: every game of
// the built-in bank is played by hints from start to end, pressing only the
// action button. Two figures: opening the dialog (reset, loading the board,
// the first search, the first paint of the dialog and the board) and each
// press (applying or searching, then painting both). Odd games run in "All
// Candidates", so copies of the engine's candidates are timed too. The
// targets are 20 ms at the 99th percentile and 50 ms at worst.
// Usage: hint_dialog_bench [--games N] [--advanced] [FILE...]
// --games N: the first N games of each level (or of each file); default
// every game. --advanced: the hint window runs with "Advanced techniques" on.
// FILE: puzzles one per line (81 characters, '1'..'9' a given), played
// instead of the bank. Run with QT_QPA_PLATFORM=offscreen. The bank's games
// are its lines as they stand, not shuffled as a deal would shuffle them.
// Each figure is given in wall time and in the thread's CPU time; on a busy
// machine the wall time's worst case mostly measures the other programs.
#include "ui/dialogs/hint_dialog.h"
#include "ui_test_support.h"

#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

using namespace velmar;
using namespace velmar::test;

namespace {

using Clock = std::chrono::steady_clock;

double ThreadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Wall and CPU time of what runs between Start and Stop.
struct Timing {
    std::vector<double> wall;
    std::vector<double> cpu;
    Clock::time_point wallStart;
    double cpuStart = 0;
    void Start() {
        wallStart = Clock::now();
        cpuStart = ThreadMilliseconds();
    }
    void Stop() {
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - wallStart).count());
        cpu.push_back(ThreadMilliseconds() - cpuStart);
    }
};

// A bank line's givens ('0' open) and solution, without the deal's shuffle.
std::pair<std::string, std::string> GivensAndSolution(std::string_view marked) {
    std::string givens(marked);
    std::string solution(marked);
    for (size_t i = 0; i < marked.size(); ++i) {
        const bool given = marked[i] >= '1' && marked[i] <= '9';
        if (!given) givens[i] = '0';
        if (!given) solution[i] = static_cast<char>('1' + (marked[i] - 'A'));
    }
    return {givens, solution};
}

// Both windows painted now, as the screen would show them.
void Paint(TForm1& w, Tfrmsolover& d) {
    QCoreApplication::processEvents();
    d.repaint();
    w.board()->repaint();
}

bool Figures(const char* name, std::vector<double> ms) {
    if (ms.empty()) return true;
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    const double p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    std::printf("%-14s n=%zu  mean %.3f ms  p50 %.3f ms  p99 %.3f ms  max %.3f ms\n", name,
                ms.size(), sum / static_cast<double>(ms.size()), ms[ms.size() / 2], p99, ms.back());
    return p99 <= 20.0 && ms.back() <= 50.0;
}

// One game to play: givens ('0' open), solution ("" unknown), level, and
// where it comes from for the report.
struct Game {
    std::string givens;
    std::string solution;
    int level = 5;
    std::string source;
};

std::vector<Game> BankGames(long perLevel) {
    const PuzzleBank& bank = PuzzleBank::builtIn();
    std::vector<Game> games;
    for (int level = 0; level < kBankLevels; ++level) {
        const long count =
            perLevel < 0 ? bank.lineCount(level) : std::min<long>(perLevel, bank.lineCount(level));
        for (long n = 1; n <= count; ++n) {
            auto [givens, solution] = GivensAndSolution(bank.line(level, static_cast<int>(n)));
            games.push_back({givens, solution, level,
                             "level " + std::to_string(level) + " line " + std::to_string(n)});
        }
    }
    return games;
}

std::vector<Game> FileGames(const char* path, long count) {
    std::vector<Game> games;
    std::ifstream in(path);
    std::string line;
    for (long n = 1; (count < 0 || n <= count) && std::getline(in, line); ++n) {
        if (line.size() < 81) continue;
        std::string givens = line.substr(0, 81);
        for (char& c : givens)
            if (c < '1' || c > '9') c = '0';
        games.push_back({givens, "", 5, std::string(path) + " line " + std::to_string(n)});
    }
    if (games.empty()) std::fprintf(stderr, "no puzzle read from %s\n", path);
    return games;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    long perSource = -1;
    bool advanced = false;
    std::vector<const char*> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--games") == 0 && i + 1 < argc)
            perSource = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--advanced") == 0)
            advanced = true;
        else
            files.push_back(argv[i]);
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    std::vector<Game> games = files.empty() ? BankGames(perSource) : std::vector<Game>{};
    for (const char* file : files) {
        std::vector<Game> more = FileGames(file, perSource);
        games.insert(games.end(), more.begin(), more.end());
    }
    WindowFixture f(PuzzleBank::builtIn());
    TForm1& w = *f.window;
    w.session().SetAdvancedTechniques(advanced);
    w.show();
    QCoreApplication::processEvents();
    Tfrmsolover& d = *w.hintDialog();
    QTextEdit& memo = *d.memo();

    Timing opening;
    Timing presses;
    long played = 0;
    long unsolved = 0;
    for (const Game& game : games) {
        const bool candidates = played % 2 == 1;
        w.session().StartPuzzle(game.givens, game.solution, game.level);
        if (candidates) w.session().ChooseMode(OperationMode::AllCandidates);
        QCoreApplication::processEvents();
        opening.Start();
        d.Prepare(w);
        d.show();
        Paint(w, d);
        opening.Stop();
        for (int i = 0; i < 1000 && memo.toPlainText() != QStringLiteral("Solved!"); ++i) {
            presses.Start();
            d.actionButton()->click();
            Paint(w, d);
            presses.Stop();
        }
        if (memo.toPlainText() != QStringLiteral("Solved!")) {
            ++unsolved;
            std::printf("%s (%s): \"%s\"\n", game.source.c_str(),
                        candidates ? "All Candidates" : "Pencil and Paper",
                        memo.toPlainText().toUtf8().constData());
        }
        d.hide();
        w.session().CloseHints();
        ++played;
    }
    std::printf("%ld games played by hints%s, %ld not ended in \"Solved!\" (targets p99 20 ms, "
                "max 50 ms)\n",
                played, advanced ? " with the advanced techniques" : "", unsolved);
    Figures("opening, wall", opening.wall);
    Figures("press, wall", presses.wall);
    const bool open = Figures("opening, CPU", opening.cpu);
    const bool press = Figures("press, CPU", presses.cpu);
    return open && press && unsolved == 0 ? 0 : 1;
}
