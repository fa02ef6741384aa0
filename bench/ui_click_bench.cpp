// SPDX-License-Identifier: GPL-3.0-or-later
// Times play clicks on the real main window without a screen: a few hundred
// scripted presses (digits placed and erased, candidates placed and removed,
// digits taken back, mode changes, the tile, step buttons), each timed from
// the press to the end of its painting. Two figures per click: the screen's
// own repaint of what changed (posted events processed), and the same with
// the whole board forced to repaint on top, the worst a click can cost.
// Run with QT_QPA_PLATFORM=offscreen; the target is 4 ms per click.
#include "ui/board/board_widget.h"
#include "ui/board/candidate_tile.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace velmar;
using namespace velmar::test;

namespace {

using Clock = std::chrono::steady_clock;

struct Timings {
    std::vector<double> screen; // press + processed repaint
    std::vector<double> forced; // press + processed repaint + whole board repaint
};

void Time(Timings& t, TForm1& w, const std::function<void()>& click) {
    const auto start = Clock::now();
    click();
    QCoreApplication::processEvents();
    const auto painted = Clock::now();
    w.board()->repaint();
    const auto forced = Clock::now();
    t.screen.push_back(std::chrono::duration<double, std::milli>(painted - start).count());
    t.forced.push_back(std::chrono::duration<double, std::milli>(forced - start).count());
}

void Report(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    const size_t p99 = std::min(ms.size() - 1, ms.size() * 99 / 100);
    std::printf("%-28s %zu clicks: mean %.3f ms, p99 %.3f ms, max %.3f ms (target 4 ms)\n", name,
                ms.size(), sum / static_cast<double>(ms.size()), ms[p99], ms.back());
}

std::vector<Cell> OpenCells(TForm1& w) {
    std::vector<Cell> cells;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (w.session().cells().cell(r, c).State == kStateOpen) cells.push_back({r, c});
    return cells;
}

// One game's script: about a hundred timed presses.
void PlayOneGame(Timings& t, TForm1& w, int level) {
    w.NewGame(level);
    QCoreApplication::processEvents();
    const std::vector<Cell> open = OpenCells(w);
    const size_t n = std::min<size_t>(open.size(), 24);
    auto solution = [&](Cell c) { return w.session().model().node(c.row, c.col).Digit; };
    // Pencil and paper: place, erase, place again.
    for (size_t i = 0; i < n; ++i) {
        w.session().SelectDigit(solution(open[i]));
        Time(t, w, [&] { ClickCell(w, open[i].row, open[i].col); });
    }
    for (size_t i = 0; i < n / 3; ++i)
        Time(t, w, [&] { ClickCell(w, open[i].row, open[i].col, Qt::RightButton); });
    // All candidates: the mode change, candidate removals and placements,
    // and placed digits taken back out.
    Time(t, w,
         [&] { QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton); });
    for (size_t i = n; i < open.size() && i < n + 20; ++i) {
        const TPicNode& node = w.session().cells().cell(open[i].row, open[i].col);
        if (node.Text.size() < 2) continue;
        const int wrong = node.Text.back() == '0' + solution(open[i]) ? node.Text[0] - '0'
                                                                      : node.Text.back() - '0';
        Time(t, w, [&] { ClickCandidate(w, open[i].row, open[i].col, wrong, Qt::RightButton); });
    }
    for (size_t i = 0; i < n / 3; ++i)
        Time(t, w, [&] { ClickCandidate(w, open[i].row, open[i].col, solution(open[i])); });
    for (size_t i = 0; i < n / 3; ++i) Time(t, w, [&] { ClickCell(w, open[i].row, open[i].col); });
    // Part candidates with several digits.
    Time(t, w,
         [&] { QTest::mouseClick(w.modeButton(OperationMode::PartCandidates), Qt::LeftButton); });
    for (int d = 2; d <= 9; ++d)
        Time(t, w, [&] { QTest::mouseClick(w.digitButton(d), Qt::RightButton); });
    // The tile: opened on a cell, toggled, closed by the next press.
    for (size_t i = 0; i < 5; ++i) {
        const Cell c = open[i];
        Time(t, w, [&] { ClickCell(w, c.row, c.col, Qt::RightButton); });
        Time(t, w, [&] { QTest::mouseClick(w.tile()->digitButton(5), Qt::LeftButton); });
        Time(t, w, [&] { ClickCell(w, c.row, c.col); });
    }
    // Step buttons.
    for (int i = 0; i < 6; ++i) Time(t, w, [&] { w.action(Command::BackStep)->trigger(); });
    for (int i = 0; i < 3; ++i) Time(t, w, [&] { w.action(Command::NextStep)->trigger(); });
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    WindowFixture f(PuzzleBank::builtIn());
    TForm1& w = *f.window;
    w.show();
    QCoreApplication::processEvents();
    Timings t;
    for (int game = 0; game < 4; ++game) PlayOneGame(t, w, game % 5);
    Report("click + screen repaint", t.screen);
    Report("click + whole board repaint", t.forced);
    return 0;
}
