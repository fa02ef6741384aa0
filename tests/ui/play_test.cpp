// SPDX-License-Identifier: GPL-3.0-or-later
// Playing on the main window with real clicks and keys, one player story per
// test: the three operation modes, the question before edited candidates go,
// several digits at once, colour marks, the candidate tile, the step buttons
// and their shortcuts, checking, the solution viewers, restart, and one whole
// game from the bank played to "Puzzle solved".
#include "history/position_line.h"
#include "ui/candidate_tile.h"
#include "ui/color_grid.h"
#include "ui/digit_counter.h"
#include "ui/solution_viewers.h"
#include "ui/time_label.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <vector>

using namespace velmar;
using namespace velmar::test;

namespace {

struct Cell {
    int row;
    int col;
};

std::vector<Cell> CellsIn(TForm1& w, int state) {
    std::vector<Cell> cells;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (w.board()->node(r, c).State == state) cells.push_back({r, c});
    return cells;
}

int Solution(TForm1& w, Cell cell) {
    return w.model().node(cell.row, cell.col).Digit;
}

const std::string& TextOf(TForm1& w, Cell cell) {
    return w.board()->node(cell.row, cell.col).Text;
}

std::string Digit(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

// An open cell and another open cell in its row that may hold the first
// one's solution digit.
std::pair<Cell, Cell> OpenPeers(TForm1& w) {
    for (Cell a : CellsIn(w, kStateOpen))
        for (Cell b : CellsIn(w, kStateOpen))
            if (a.row == b.row && a.col != b.col &&
                w.board()
                        ->cells()
                        .PeerCandidates(b.row, b.col)
                        .find(static_cast<char>('0' + Solution(w, a))) != std::string::npos)
                return {a, b};
    return {};
}

// Answers the next modal window from inside its event loop, then closes it
// with its own Close button.
template <typename Dialog, typename Check> void OnNextModal(Check check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(*dialog);
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
}

void PressKey(TForm1& w, int digit) {
    QTest::keyClick(&w, static_cast<Qt::Key>(Qt::Key_0 + digit));
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Velmar 5.0")); }

    void pencilAndPaperPlacesReplacesAndErases() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const Cell open = CellsIn(w, kStateOpen).front();
        const Cell given = CellsIn(w, kStateGiven).front();
        const std::string givenText = TextOf(w, given);

        PressKey(w, 4);
        ClickCell(w, open.row, open.col);
        QCOMPARE(TextOf(w, open), std::string("4"));
        QCOMPARE(w.board()->node(open.row, open.col).State, kStatePlaced);
        QCOMPARE(w.board()->Caption(open.row, open.col), QStringLiteral("4"));
        QCOMPARE(w.stepLog().Entries().size(), size_t{2});
        QVERIFY(w.action(Command::BackStep)->isEnabled());
        QVERIFY(w.action(Command::FirstStep)->isEnabled());
        QVERIFY(!w.action(Command::NextStep)->isEnabled());
        // Another digit replaces the first; the counters follow.
        PressKey(w, 7);
        ClickCell(w, open.row, open.col);
        QCOMPARE(TextOf(w, open), std::string("7"));
        // A wrong digit is written in the big-digit colour.
        QCOMPARE(w.board()->CaptionColor(open.row, open.col), w.board()->properties().FONTColor2);

        // Givens never change, with either button.
        ClickCell(w, given.row, given.col);
        ClickCell(w, given.row, given.col, Qt::RightButton);
        QCOMPARE(TextOf(w, given), givenText);
        QCOMPARE(w.board()->node(given.row, given.col).State, kStateGiven);
        QCOMPARE(w.stepLog().Entries().size(), size_t{3}); // clicks on givens record nothing

        // The right button erases a placed digit.
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QCOMPARE(w.board()->node(open.row, open.col).State, kStateOpen);
        QVERIFY(TextOf(w, open).empty());
        QVERIFY(!w.tileOpen());
        QCOMPARE(w.stepLog().Entries().size(), size_t{4});
        QVERIFY(f.prompter.asked.isEmpty());
        QVERIFY(f.prompter.told.isEmpty());
    }

    void allCandidatesPlacesAndTakesDigitsBack() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        QCOMPARE(w.Mode(), OperationMode::AllCandidates);
        QVERIFY(w.allowAllUp());
        const auto [a, b] = OpenPeers(w);
        const int d = Solution(w, a);
        QCOMPARE(TextOf(w, a), w.board()->cells().PeerCandidates(a.row, a.col));
        QVERIFY(TextOf(w, b).find(static_cast<char>('0' + d)) != std::string::npos);
        QVERIFY(w.board()->CandidateVisible(a.row, a.col, d));

        // Auto update on: the placed digit leaves every peer.
        ClickCandidate(w, a.row, a.col, d);
        QCOMPARE(TextOf(w, a), Digit(d));
        QCOMPARE(w.board()->node(a.row, a.col).State, kStatePlaced);
        QVERIFY(TextOf(w, b).find(static_cast<char>('0' + d)) == std::string::npos);

        // Either button on the placed digit turns it back into candidates and
        // gives the digit back to the peers.
        ClickCell(w, a.row, a.col, Qt::RightButton);
        QCOMPARE(w.board()->node(a.row, a.col).State, kStateOpen);
        QCOMPARE(TextOf(w, a), w.board()->cells().PeerCandidates(a.row, a.col));
        QCOMPARE(TextOf(w, b).back(), static_cast<char>('0' + d)); // appended at the end
        QVERIFY(!w.tileOpen());

        // Auto update off: the peers keep their candidates.
        QTest::mouseClick(w.autoUpdateBox(), Qt::LeftButton);
        QVERIFY(!w.autoUpdateBox()->isChecked());
        const std::string before = TextOf(w, b);
        ClickCandidate(w, a.row, a.col, d);
        QCOMPARE(TextOf(w, a), Digit(d));
        QCOMPARE(TextOf(w, b), before);

        // The right button removes one candidate.
        const int first = TextOf(w, b)[0] - '0';
        ClickCandidate(w, b.row, b.col, first, Qt::RightButton);
        QVERIFY(TextOf(w, b).find(static_cast<char>('0' + first)) == std::string::npos);
        QVERIFY(!w.board()->CandidateVisible(b.row, b.col, first));
    }

    void leavingCandidatesAsksOnlyAfterEdits() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        QRadioButton* pencil = w.modeButton(OperationMode::PencilAndPaper);
        QRadioButton* all = w.modeButton(OperationMode::AllCandidates);

        // Untouched candidates go without a question.
        QTest::mouseClick(all, Qt::LeftButton);
        QTest::mouseClick(pencil, Qt::LeftButton);
        QCOMPARE(w.Mode(), OperationMode::PencilAndPaper);
        QVERIFY(f.prompter.asked.isEmpty());
        for (Cell c : CellsIn(w, kStateOpen)) QVERIFY(TextOf(w, c).empty());
        QVERIFY(!w.autoUpdateBox()->isEnabled());
        QVERIFY(!w.candidatesOn());

        // One candidate removed by hand: asked, and "No" keeps everything.
        QTest::mouseClick(all, Qt::LeftButton);
        const Cell edited = CellsIn(w, kStateOpen).front();
        const int gone = TextOf(w, edited).back() - '0';
        ClickCandidate(w, edited.row, edited.col, gone, Qt::RightButton);
        QCOMPARE(w.board()->cells().CandidateState(), int{kCandidatesEdited});
        const std::string line = WritePositionLine(w.board()->cells());
        f.prompter.answer = false;
        QTest::mouseClick(pencil, Qt::LeftButton);
        QCOMPARE(f.prompter.asked, QStringList{QStringLiteral("提示|将删除所有标记，是否继续？")});
        QCOMPARE(w.Mode(), OperationMode::AllCandidates);
        QVERIFY(all->isChecked());
        QCOMPARE(WritePositionLine(w.board()->cells()), line);
        // The keyboard cannot slip past the question.
        all->setFocus();
        QTest::keyClick(all, Qt::Key_Up);
        QTest::keyClick(all, Qt::Key_Left);
        QCOMPARE(w.Mode(), OperationMode::AllCandidates);
        pencil->setFocus();
        QTest::keyClick(pencil, Qt::Key_Space);
        QCOMPARE(w.Mode(), OperationMode::AllCandidates);
        QCOMPARE(f.prompter.asked.size(), 2);
        f.prompter.asked.removeLast();

        // The pencil tool button asks the same; "Yes" clears every open cell.
        f.prompter.answer = true;
        w.action(Command::PencilMode)->trigger();
        QCOMPARE(f.prompter.asked.size(), 2);
        QCOMPARE(w.Mode(), OperationMode::PencilAndPaper);
        QVERIFY(pencil->isChecked());
        for (Cell c : CellsIn(w, kStateOpen)) {
            QVERIFY(TextOf(w, c).empty());
            for (int d = 1; d <= 9; ++d) QVERIFY(!w.board()->CandidateVisible(c.row, c.col, d));
        }
        // Pressing the mode already on asks nothing.
        QTest::mouseClick(pencil, Qt::LeftButton);
        QCOMPARE(f.prompter.asked.size(), 2);
    }

    void partCandidatesSelectsSeveralDigits() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        PressKey(w, 3);
        // In the other modes the right button does nothing.
        QTest::mouseClick(w.digitButton(5), Qt::RightButton);
        QCOMPARE(w.DisplayDigits(), std::string("123456789"));
        QCOMPARE(w.SelectedDigit(), 3);

        QTest::mouseClick(w.modeButton(OperationMode::PartCandidates), Qt::LeftButton);
        QCOMPARE(w.Mode(), OperationMode::PartCandidates);
        QCOMPARE(w.SelectedDigit(), 3);
        QVERIFY(!w.allowAllUp());
        QCOMPARE(w.DisplayDigits(), std::string("3"));
        // Only cells holding 3 (or a single candidate) show their candidates.
        for (Cell c : CellsIn(w, kStateOpen)) {
            const bool holds = TextOf(w, c).find('3') != std::string::npos;
            QCOMPARE(w.board()->CandidateVisible(c.row, c.col, TextOf(w, c)[0] - '0'),
                     holds || TextOf(w, c).size() == 1);
        }
        // The right button adds digits, on the buttons and on the counter bars.
        QTest::mouseClick(w.digitButton(5), Qt::RightButton);
        QTest::mouseClick(w.counter(8), Qt::RightButton);
        QCOMPARE(w.DisplayDigits(), std::string("358"));
        QCOMPARE(w.SelectedDigit(), 0);
        QTest::mouseClick(w.digitButton(3), Qt::RightButton);
        QTest::mouseClick(w.digitButton(5), Qt::RightButton);
        QCOMPARE(w.DisplayDigits(), std::string("8"));
        // The only digit down stays down.
        QTest::mouseClick(w.digitButton(8), Qt::RightButton);
        QCOMPARE(w.DisplayDigits(), std::string("8"));
        // A left click selects one digit again; so does a left click on a bar.
        QTest::mouseClick(w.digitButton(2), Qt::LeftButton);
        QCOMPARE(w.DisplayDigits(), std::string("2"));
        QTest::mouseClick(w.counter(6), Qt::LeftButton);
        QCOMPARE(w.DisplayDigits(), std::string("6"));
        // The digit buttons explain the right button in this mode only.
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(w.digitButton(1), &enter);
        QCOMPARE(w.statusLine()->currentMessage(), w.LookupText("rb_one_number_hint"));

        // Tab walks on from the first digit down, 8 to 9 and 9 to 1.
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        PressKey(w, 8);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(w.SelectedDigit(), 9);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(w.SelectedDigit(), 1);
        // Back in pencil and paper one digit stays selected.
        QTest::mouseClick(w.modeButton(OperationMode::PencilAndPaper), Qt::LeftButton);
        QCOMPARE(w.SelectedDigit(), 1);
    }

    void colourMarksSurviveMovesUntilCleared() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        const auto [a, b] = OpenPeers(w);
        const std::string line = WritePositionLine(w.board()->cells());
        const TColor chosen = w.colorGrid()->foregroundColor();
        QCOMPARE(w.colorGrid()->foregroundIndex(), 11);

        QTest::mouseClick(w.markingBox(), Qt::LeftButton);
        ClickCell(w, a.row, a.col);
        const int cand = TextOf(w, b)[0] - '0';
        ClickCandidate(w, b.row, b.col, cand);
        // Marking changes colours only: no digit, no step.
        QCOMPARE(WritePositionLine(w.board()->cells()), line);
        QCOMPARE(w.stepLog().Entries().size(), size_t{2});
        QCOMPARE(w.board()->CellColor(a.row, a.col), chosen);
        QCOMPARE(w.board()->CandidateColor(b.row, b.col, cand), chosen);
        QCOMPARE(w.marks().entry(a.row, a.col, 0), chosen);

        // A move repaints the board and the marks come back.
        QTest::mouseClick(w.markingBox(), Qt::LeftButton);
        const Cell other = CellsIn(w, kStateOpen).back();
        ClickCandidate(w, other.row, other.col, TextOf(w, other)[0] - '0', Qt::RightButton);
        QCOMPARE(w.board()->CellColor(a.row, a.col), chosen);
        QCOMPARE(w.board()->CandidateColor(b.row, b.col, cand), chosen);

        // The right button takes a mark off; "Clear Marking" wipes the rest.
        QTest::mouseClick(w.markingBox(), Qt::LeftButton);
        ClickCandidate(w, b.row, b.col, cand, Qt::RightButton);
        QCOMPARE(w.marks().entry(b.row, b.col, cand), NoMark);
        auto* clear = w.findChild<QToolButton*>(QStringLiteral("bt_clearcolor"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QVERIFY(w.marks().IsEmpty());
        QCOMPARE(w.board()->CellColor(a.row, a.col), w.board()->DefaultColor(a.row, a.col, 0));
    }

    void tileSetsPencilMarksAndClosing() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const Cell open = CellsIn(w, kStateOpen).front();
        w.board()->node(open.row, open.col).Text = "257";
        ClickCell(w, open.row, open.col, Qt::RightButton);
        Tfrmtile* tile = w.tile();
        QVERIFY(tile->isVisible());
        QVERIFY(w.tileOpen());
        QCOMPARE(tile->windowTitle(), QStringLiteral("Show Candidates"));
        QCOMPARE(tile->automaticButton()->text(), QStringLiteral("Automatic"));
        QCOMPARE(tile->pos(),
                 w.frameGeometry().topLeft() + QPoint(46 * open.col + 20, 46 * open.row + 90));
        QCOMPARE(w.statusLine()->currentMessage(), w.LookupText("howtoclosetile"));
        for (int d = 1; d <= 9; ++d)
            QCOMPARE(tile->digitButton(d)->isChecked(), d == 2 || d == 5 || d == 7);
        const size_t steps = w.stepLog().Entries().size();

        // Each toggle writes the cell at once and is a step of its own.
        QTest::mouseClick(tile->digitButton(5), Qt::LeftButton);
        QCOMPARE(TextOf(w, open), std::string("27"));
        QTest::mouseClick(tile->digitButton(9), Qt::RightButton);
        QCOMPARE(TextOf(w, open), std::string("279"));
        QTest::keyClick(tile, Qt::Key_1);
        QCOMPARE(TextOf(w, open), std::string("1279"));
        QVERIFY(w.board()->CandidateVisible(open.row, open.col, 9));
        QCOMPARE(w.board()->node(open.row, open.col).CandHidden, 0);
        QCOMPARE(w.stepLog().Entries().size(), steps + 3);

        // The next press on the board only closes the tile.
        const std::string line = WritePositionLine(w.board()->cells());
        QTest::mouseClick(w.digitButton(3), Qt::LeftButton);
        ClickCell(w, open.row, open.col);
        QVERIFY(!tile->isVisible());
        QVERIFY(!w.tileOpen());
        QCOMPARE(WritePositionLine(w.board()->cells()), line);

        // Esc keeps what was toggled; releasing every button leaves the cell empty.
        ClickCell(w, open.row, open.col, Qt::RightButton);
        for (int d : {1, 2, 7, 9}) QTest::mouseClick(tile->digitButton(d), Qt::LeftButton);
        QTest::keyClick(tile, Qt::Key_Escape);
        QVERIFY(!tile->isVisible());
        QVERIFY(!w.tileOpen());
        QVERIFY(TextOf(w, open).empty());
        QCOMPARE(w.board()->node(open.row, open.col).State, kStateOpen);
        for (int d = 1; d <= 9; ++d) QVERIFY(!w.board()->CandidateVisible(open.row, open.col, d));

        // "Automatic" writes the computed candidates and closes.
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QTest::mouseClick(tile->automaticButton(), Qt::LeftButton);
        QVERIFY(!tile->isVisible());
        QVERIFY(!w.tileOpen());
        QCOMPARE(TextOf(w, open), w.board()->cells().PeerCandidates(open.row, open.col));

        // The main window coming back closes the tile; over a cell the mark
        // stays for the click that brought it back, elsewhere it goes.
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QApplication::setActiveWindow(tile);
        QCursor::setPos(w.board()->mapToGlobal(CellPoint(open.row, open.col)));
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(!tile->isVisible());
        QVERIFY(w.tileOpen());
        ClickCell(w, open.row, open.col); // consumed
        QVERIFY(!w.tileOpen());
        QCOMPARE(TextOf(w, open), w.board()->cells().PeerCandidates(open.row, open.col));
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QApplication::setActiveWindow(tile);
        QCursor::setPos(w.mapToGlobal(QPoint(-50, -50)));
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(!tile->isVisible());
        QVERIFY(!w.tileOpen());
    }

    void steppingBackThenMovingTruncates() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const std::vector<Cell> open = CellsIn(w, kStateOpen);
        for (int i = 0; i < 5; ++i) {
            PressKey(w, Solution(w, open[i]));
            ClickCell(w, open[i].row, open[i].col);
        }
        const std::vector<std::string> entries = w.stepLog().Entries();
        QCOMPARE(entries.size(), size_t{6});

        // Ctrl+Z is Back Step, Ctrl+Y and Ctrl+Shift+Z are Next Step.
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.stepLog().Cursor(), 2);
        QCOMPARE(WritePositionLine(w.board()->cells()), entries[2]);
        QCOMPARE(w.board()->node(open[3].row, open[3].col).State, kStateOpen);
        QVERIFY(w.action(Command::NextStep)->isEnabled());
        QVERIFY(w.action(Command::LastStep)->isEnabled());
        QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.stepLog().Cursor(), 3);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.stepLog().Cursor(), 4);
        QCOMPARE(w.stepLog().Entries(), entries); // showing a step records nothing
        w.action(Command::FirstStep)->trigger();
        QCOMPARE(w.stepLog().Cursor(), 0);
        QVERIFY(!w.action(Command::BackStep)->isEnabled());
        QVERIFY(!w.action(Command::FirstStep)->isEnabled());
        w.action(Command::LastStep)->trigger();
        QCOMPARE(w.stepLog().Cursor(), 5);
        QVERIFY(!w.action(Command::NextStep)->isEnabled());
        w.action(Command::BackStep)->trigger();
        w.action(Command::BackStep)->trigger();
        w.action(Command::BackStep)->trigger();

        // A move now drops the later entries and becomes the last one.
        PressKey(w, Solution(w, open[6]));
        ClickCell(w, open[6].row, open[6].col);
        QCOMPARE(w.stepLog().Entries().size(), size_t{4});
        QCOMPARE(w.stepLog().Cursor(), 3);
        QCOMPARE(w.stepLog().Entries()[2], entries[2]);
        QVERIFY(!w.action(Command::NextStep)->isEnabled());
        QVERIFY(!w.action(Command::LastStep)->isEnabled());
        QVERIFY(w.action(Command::BackStep)->isEnabled());

        // A shown position whose open cells all hold their candidates
        // switches the mode to "All Candidates" without a new step.
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        ClickCandidate(w, open[7].row, open[7].col, TextOf(w, open[7])[0] - '0', Qt::RightButton);
        QTest::mouseClick(w.modeButton(OperationMode::PencilAndPaper), Qt::LeftButton); // Yes
        QCOMPARE(w.Mode(), OperationMode::PencilAndPaper);
        const size_t kept = w.stepLog().Entries().size();
        w.action(Command::BackStep)->trigger();
        w.action(Command::BackStep)->trigger();
        QCOMPARE(w.Mode(), OperationMode::AllCandidates);
        QCOMPARE(w.stepLog().Entries().size(), kept);
    }

    void checkErrorMarksWrongCellsUntilTheNextAction() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.action(Command::CheckError)->trigger(); // nothing loaded: no word
        QVERIFY(f.prompter.told.isEmpty());
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const std::vector<Cell> open = CellsIn(w, kStateOpen);
        // Pencil marks are ignored in "Pencil and Paper".
        w.board()->node(open[1].row, open[1].col).Text = "12";
        w.action(Command::CheckError)->trigger();
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Information|No error found.")});

        const int right = Solution(w, open[0]);
        PressKey(w, right % 9 + 1);
        ClickCell(w, open[0].row, open[0].col);
        w.action(Command::CheckError)->trigger();
        QCOMPARE(w.board()->CellColor(open[0].row, open[0].col), TColor{254});
        QCOMPARE(f.prompter.told.size(), 1); // errors found: the red cells answer
        PressKey(w, right);                  // the next action repaints
        QVERIFY(w.board()->CellColor(open[0].row, open[0].col) != TColor{254});

        // In a candidate mode an open cell lacking its digit is wrong too.
        ClickCell(w, open[0].row, open[0].col, Qt::RightButton);
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        std::vector<Cell> wide;
        for (Cell c : open)
            if (TextOf(w, c).size() >= 3) wide.push_back(c);
        QVERIFY(wide.size() >= 2);
        const Cell edited = wide[0];
        ClickCandidate(w, edited.row, edited.col, Solution(w, edited), Qt::RightButton);
        w.action(Command::CheckError)->trigger();
        QCOMPARE(w.board()->CellColor(edited.row, edited.col), TColor{254});
        QCOMPARE(w.board()->CandidateColor(edited.row, edited.col, TextOf(w, edited)[0] - '0'),
                 TColor{254});
        QCOMPARE(w.board()->CellColor(wide[1].row, wide[1].col),
                 w.board()->DefaultColor(wide[1].row, wide[1].col, w.SelectedDigit()));

        // With the solution unknown every open cell of several candidates is
        // marked ("0" is never a candidate), and no filled cell.
        PressKey(w, 1);
        w.model().ClearSolution();
        w.action(Command::CheckError)->trigger();
        for (Cell c : open)
            if (TextOf(w, c).size() != 1) QCOMPARE(w.board()->CellColor(c.row, c.col), TColor{254});
        for (Cell c : CellsIn(w, kStateGiven)) QVERIFY(w.board()->CellColor(c.row, c.col) != 254);
    }

    void showSolutionAsksThenShowsTheViewers() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const Cell open = CellsIn(w, kStateOpen).front();
        PressKey(w, Solution(w, open) % 9 + 1); // a wrong digit
        ClickCell(w, open.row, open.col);
        const std::string line = WritePositionLine(w.board()->cells());

        f.prompter.answer = false;
        w.action(Command::ShowSolution)->trigger();
        QCOMPARE(f.prompter.asked.size(), 1);
        QVERIFY(f.prompter.asked[0].endsWith(QStringLiteral("see the solution?")));
        QVERIFY(!w.solutionViewer()->isVisible());

        // The model's solution: givens as givens, every other cell the solution.
        f.prompter.answer = true;
        bool shown = false;
        OnNextModal<Tfrmda>([&](Tfrmda& viewer) {
            shown = true;
            QCOMPARE(viewer.windowTitle(), QStringLiteral("Solution"));
            QCOMPARE(viewer.closeButton()->text(), QStringLiteral("Close"));
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c) {
                    const TPicNode& n = viewer.board()->node(r, c);
                    QCOMPARE(n.Text, Digit(w.model().node(r, c).Digit));
                    QCOMPARE(n.State, w.model().node(r, c).Fixed ? kStateGiven : kStatePlaced);
                    QCOMPARE(viewer.board()->Caption(r, c), QString::fromStdString(n.Text));
                }
            QVERIFY(!viewer.board()->cells().HasErrorMark());
        });
        w.action(Command::ShowSolution)->trigger();
        QVERIFY(shown);
        QCOMPARE(WritePositionLine(w.board()->cells()), line); // the game goes on

        // Without a solution in the model the board's givens are solved.
        const std::string solution = w.model().GetSolutionString();
        w.model().ClearSolution();
        BoardCells& cells = w.board()->cells();
        auto makeGivens = [&](auto keep) {
            for (int i = 0; i < 81; ++i) {
                const bool given = keep(i);
                cells.at(i).State = given ? kStateGiven : kStateOpen;
                cells.at(i).Text = given ? std::string(1, solution[i]) : std::string();
            }
        };
        // All but one cell given: the one solution in the solution window.
        makeGivens([](int i) { return i != 40; });
        std::string seen;
        OnNextModal<Tfrmda>([&](Tfrmda& viewer) {
            for (int i = 0; i < 81; ++i) seen += viewer.board()->cells().at(i).Text;
            QCOMPARE(viewer.board()->cells().at(40).State, kStatePlaced);
        });
        w.action(Command::ShowSolution)->trigger();
        QCOMPARE(seen, solution);

        // Only the first row given: two solutions, as text.
        makeGivens([](int i) { return i < 9; });
        QString text;
        OnNextModal<TFrmdas>([&](TFrmdas& viewer) {
            QCOMPARE(viewer.windowTitle(), QStringLiteral("Multiple Solutions Viewer"));
            text = viewer.text();
        });
        w.action(Command::ShowSolution)->trigger();
        QCOMPARE(f.prompter.told.last(),
                 QStringLiteral("Information|This Puzzle has at least two solutions,Press OK "
                                "to view it."));
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[0], QStringLiteral("Solution 1:"));
        QCOMPARE(lines[1], QString::fromStdString(solution.substr(0, 9)));
        QCOMPARE(lines[10], QString());
        QCOMPARE(lines[11], QString());
        QCOMPARE(lines[12], QStringLiteral("Solution 2:"));
        QCOMPARE(lines[13], lines[1]); // the given row
        QVERIFY(lines.mid(1, 9) != lines.mid(13, 9));
        for (int i : {1, 9, 13, 21}) QCOMPARE(lines[i].size(), 9);

        // Givens that contradict each other.
        cells.at(1).Text = cells.at(0).Text;
        w.action(Command::ShowSolution)->trigger();
        QCOMPARE(f.prompter.told.last(), QStringLiteral("Information|Puzzle is not solvable"));
    }

    void restartTakesTheGameBackToItsGivens() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.action(Command::Restart)->trigger(); // no puzzle: nothing, not even a question
        QVERIFY(f.prompter.asked.isEmpty());
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const std::vector<Cell> open = CellsIn(w, kStateOpen);
        PressKey(w, 2);
        ClickCell(w, open[0].row, open[0].col);
        QTest::mouseClick(w.modeButton(OperationMode::PartCandidates), Qt::LeftButton);
        QTest::mouseClick(w.markingBox(), Qt::LeftButton);
        ClickCell(w, open[1].row, open[1].col);
        w.clock()->setMS(42000);
        const std::string line = WritePositionLine(w.board()->cells());

        // Cancelled: everything stays, the clock keeps running.
        f.prompter.answer = false;
        w.action(Command::Restart)->trigger();
        QCOMPARE(f.prompter.asked.last(),
                 QStringLiteral("Confirm|Are you sure you want to reset this game to the "
                                "initial state?"));
        QCOMPARE(WritePositionLine(w.board()->cells()), line);
        QVERIFY(w.clock()->timerenabled());
        QVERIFY(w.clock()->MS() >= 42000);
        QCOMPARE(w.Mode(), OperationMode::PartCandidates);

        f.prompter.answer = true;
        w.action(Command::Restart)->trigger();
        for (Cell c : open) {
            QCOMPARE(w.board()->node(c.row, c.col).State, kStateOpen);
            QVERIFY(TextOf(w, c).empty());
        }
        QCOMPARE(w.Mode(), OperationMode::PencilAndPaper);
        QCOMPARE(w.SelectedDigit(), 1);
        QVERIFY(!w.candidatesOn());
        QVERIFY(!w.markingBox()->isChecked());
        QVERIFY(w.marks().IsEmpty());
        QCOMPARE(w.stepLog().Entries().size(), size_t{1});
        for (Command c :
             {Command::FirstStep, Command::BackStep, Command::NextStep, Command::LastStep})
            QVERIFY(!w.action(c)->isEnabled());
        QVERIFY(w.clock()->timerenabled());
        QVERIFY(w.clock()->MS() < 42000);
    }

    void candidateClickFinishKeepsTheBranchButtons() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        std::vector<Cell> open = CellsIn(w, kStateOpen);
        const Cell last = open.back();
        open.pop_back();
        for (Cell c : open) {
            PressKey(w, Solution(w, c));
            ClickCell(w, c.row, c.col);
        }
        QVERIFY(f.prompter.told.isEmpty());
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        QCOMPARE(TextOf(w, last), Digit(Solution(w, last)));
        ClickCandidate(w, last.row, last.col, Solution(w, last));
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Information|Puzzle solved")});
        QVERIFY(w.finishLabelShown());
        QVERIFY(!w.clock()->timerenabled());
        QVERIFY(w.action(Command::StartBranch)->isEnabled());
    }

    void wholeBankGamePlayedToTheEnd() {
        WindowFixture f(PuzzleBank::builtIn());
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        QVERIFY(!w.finishLabelShown());
        const std::vector<Cell> open = CellsIn(w, kStateOpen);
        QVERIFY(open.size() > 40);
        for (Cell c : open) {
            PressKey(w, Solution(w, c));
            ClickCell(w, c.row, c.col);
        }
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Information|Puzzle solved")});
        QVERIFY(w.finishLabelShown());
        QVERIFY(!w.clock()->timerenabled());
        const int stopped = w.clock()->MS();
        QTest::qWait(250);
        QCOMPARE(w.clock()->MS(), stopped);
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(w.counter(d)->position(), 9);
            QCOMPARE(w.counter(d)->barColor(), kRed);
        }
        for (Command c : {Command::StartBranch, Command::AcceptBranch, Command::RejectBranch})
            QVERIFY(!w.action(c)->isEnabled());
        QCOMPARE(w.stepLog().Entries().size(), open.size() + 1);
        // Stepping back shows an unfinished board without the badge; the
        // last step shows it again.
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.finishLabelShown());
        w.action(Command::LastStep)->trigger();
        QVERIFY(w.finishLabelShown());
        QCOMPARE(f.prompter.told.size(), 1);
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
