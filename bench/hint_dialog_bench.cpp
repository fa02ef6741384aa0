// SPDX-License-Identifier: GPL-3.0-or-later
// Times the hint dialog on the real window without a screen: every game of
// the built-in bank is played by hints from start to end, pressing only the
// action button. Two figures: opening the dialog (reset, loading the board,
// the first search, the first paint of the dialog and the board) and each
// press (applying or searching, then painting both). Odd games run in "All
// Candidates", so copies of the engine's candidates are timed too. The
// targets are 20 ms at the 99th percentile and 50 ms at worst.
// Usage: hint_dialog_bench [--games N]   (the first N games of each level;
// default every game). Run with QT_QPA_PLATFORM=offscreen.
#include "ui/hint_dialog.h"
#include "ui_test_support.h"

#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace velmar;
using namespace velmar::test;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Both windows painted now, as the screen would show them.
void Paint(TForm1& w, Tfrmsolover& d) {
    QCoreApplication::processEvents();
    d.repaint();
    w.board()->repaint();
}

bool Report(const char* name, std::vector<double> ms) {
    if (ms.empty()) return true;
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    const double p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    std::printf("%-8s n=%zu  mean %.3f ms  p50 %.3f ms  p99 %.3f ms  max %.3f ms\n", name,
                ms.size(), sum / static_cast<double>(ms.size()), ms[ms.size() / 2], p99, ms.back());
    return p99 <= 20.0 && ms.back() <= 50.0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    long games = -1;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--games") == 0 && i + 1 < argc) games = std::atol(argv[++i]);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const PuzzleBank& bank = PuzzleBank::builtIn();
    WindowFixture f(bank);
    TForm1& w = *f.window;
    w.show();
    QCoreApplication::processEvents();
    Tfrmsolover& d = *w.hintDialog();
    QTextEdit& memo = *d.memo();

    std::vector<double> opening;
    std::vector<double> presses;
    long played = 0;
    long unsolved = 0;
    for (int level = 0; level < kBankLevels; ++level) {
        const long count =
            games < 0 ? bank.lineCount(level) : std::min<long>(games, bank.lineCount(level));
        for (long n = 1; n <= count; ++n) {
            TQJ puzzle;
            puzzle.LoadMarkedPuzzle(bank.line(level, static_cast<int>(n)));
            w.session().StartPuzzle(puzzle.GetGivensString(), puzzle.GetSolutionString(), level);
            if (played % 2 == 1) w.session().ChooseMode(OperationMode::AllCandidates);
            QCoreApplication::processEvents();
            const auto start = Clock::now();
            d.Prepare(w);
            d.show();
            Paint(w, d);
            opening.push_back(Milliseconds(start));
            for (int i = 0; i < 500 && memo.toPlainText() != QStringLiteral("Solved!"); ++i) {
                const auto press = Clock::now();
                d.actionButton()->click();
                Paint(w, d);
                presses.push_back(Milliseconds(press));
            }
            unsolved += memo.toPlainText() != QStringLiteral("Solved!");
            d.hide();
            w.session().CloseHints();
            ++played;
        }
        std::printf("level %d: %ld games\n", level, count);
        std::fflush(stdout);
    }
    std::printf("%ld games played by hints, %ld not ended in \"Solved!\" (targets p99 20 ms, max "
                "50 ms)\n",
                played, unsolved);
    const bool open = Report("opening", opening);
    const bool press = Report("press", presses);
    return open && press && unsolved == 0 ? 0 : 1;
}
