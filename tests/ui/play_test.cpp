// SPDX-License-Identifier: GPL-3.0-or-later
// The play wiring of the main window with real clicks and keys: board presses
// and digit keys reach the session and the widgets follow it, the pencil-mode
// question in a real message box, the candidate tile, the step shortcuts,
// checking with the solution viewers, and one bank game played to the end.
// The rules themselves are the session tests'.
#include "history/position_line.h"
#include "ui/board/candidate_tile.h"
#include "ui/board/digit_counter.h"
#include "ui/dialogs/solution_viewers.h"
#include "ui/main_window/time_label.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <vector>

using namespace velmar;
using namespace velmar::test;

namespace {

std::vector<Cell> CellsIn(TForm1& w, int state) {
    std::vector<Cell> cells;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (w.session().cells().cell(r, c).State == state) cells.push_back({r, c});
    return cells;
}

int Solution(TForm1& w, Cell cell) {
    return w.session().model().node(cell.row, cell.col).Digit;
}

const std::string& TextOf(TForm1& w, Cell cell) {
    return w.session().cells().cell(cell.row, cell.col).Text;
}

// Answers the next modal window from inside its event loop.
template <typename Dialog, typename Answer> void OnNextModal(Answer answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}

void PressKey(TForm1& w, int digit) {
    QTest::keyClick(&w, static_cast<Qt::Key>(Qt::Key_0 + digit));
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

  private slots:
    void clicksAndKeysReachTheSession() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const Cell open = CellsIn(w, kStateOpen).front();
        PressKey(w, 4);
        QVERIFY(w.digitButton(4)->isChecked());
        QVERIFY(!w.digitButton(1)->isChecked());
        ClickCell(w, open.row, open.col);
        QCOMPARE(TextOf(w, open), std::string("4"));
        QVERIFY(w.action(Command::BackStep)->isEnabled());
        QCOMPARE(w.counter(4)->toolTip(), QString::number(w.session().counts()[3]));
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QVERIFY(TextOf(w, open).empty());

        // Digit buttons and counter bars, with either button.
        QTest::mouseClick(w.modeButton(OperationMode::PartCandidates), Qt::LeftButton);
        QCOMPARE(w.session().mode(), OperationMode::PartCandidates);
        QVERIFY(w.autoUpdateBox()->isEnabled());
        QTest::mouseClick(w.digitButton(5), Qt::RightButton);
        QTest::mouseClick(w.counter(8), Qt::RightButton);
        QCOMPARE(w.session().DisplayDigits(), std::string("458"));
        QVERIFY(w.digitButton(5)->isChecked() && w.digitButton(8)->isChecked());
        QTest::mouseClick(w.digitButton(2), Qt::LeftButton);
        QCOMPARE(w.session().DisplayDigits(), std::string("2"));
        QVERIFY(!w.digitButton(5)->isChecked());
        QTest::mouseClick(w.counter(6), Qt::LeftButton);
        QCOMPARE(w.session().SelectedDigit(), 6);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(w.session().SelectedDigit(), 7);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(w.digitButton(1), &enter);
        QCOMPARE(w.statusLine()->currentMessage(), w.LookupText("rb_one_number_hint"));

        // Candidate squares, auto update and marking.
        QTest::mouseClick(w.autoUpdateBox(), Qt::LeftButton);
        QVERIFY(!w.session().autoUpdate());
        QTest::mouseClick(w.modeButton(OperationMode::AllCandidates), Qt::LeftButton);
        const int first = TextOf(w, open)[0] - '0';
        ClickCandidate(w, open.row, open.col, first, Qt::RightButton);
        QVERIFY(TextOf(w, open).find(static_cast<char>('0' + first)) == std::string::npos);
        QTest::mouseClick(w.markingBox(), Qt::LeftButton);
        QVERIFY(w.session().marking());
        ClickCell(w, open.row, open.col);
        QCOMPARE(w.session().board().CellColor(open.row, open.col), w.session().markColour());
        QTest::mouseClick(w.clearMarksButton(), Qt::LeftButton);
        QVERIFY(w.session().marks().IsEmpty());
        // The pencil tool button chooses "Pencil and Paper" (with the question).
        f.prompter.answer = true;
        w.action(Command::PencilMode)->trigger();
        QVERIFY(w.modeButton(OperationMode::PencilAndPaper)->isChecked());
        QCOMPARE(f.prompter.asked.size(), 1);
    }

    void pencilModeQuestionInARealMessageBox() {
        WindowFixture f(TestBank(), true);
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        QRadioButton* pencil = w.modeButton(OperationMode::PencilAndPaper);
        QRadioButton* all = w.modeButton(OperationMode::AllCandidates);
        auto editCandidates = [&] {
            QTest::mouseClick(all, Qt::LeftButton);
            const Cell c = CellsIn(w, kStateOpen).front();
            ClickCandidate(w, c.row, c.col, TextOf(w, c).back() - '0', Qt::RightButton);
            QCOMPARE(w.session().cells().CandidateState(), int{kCandidatesEdited});
        };
        // The box's own buttons, pressed while it runs its modal loop.
        // While it asks, the buttons show the mode that still holds.
        auto answer = [all](const char* key, QString* text) {
            OnNextModal<QMessageBox>([key, text, all](QMessageBox& box) {
                QVERIFY(all->isChecked());
                *text = box.windowTitle() + QLatin1Char('|') + box.text();
                for (QAbstractButton* b : box.buttons())
                    if (b->text() == QString::fromLatin1(key)) QTest::mouseClick(b, Qt::LeftButton);
            });
        };
        editCandidates();
        const std::string line = WritePositionLine(w.session().cells());
        QString asked;
        answer("&No", &asked);
        QTest::mouseClick(pencil, Qt::LeftButton);
        QCOMPARE(asked, QStringLiteral("Information|All marks will be deleted. Continue?"));
        QCOMPARE(w.session().mode(), OperationMode::AllCandidates);
        QVERIFY(all->isChecked() && !pencil->isChecked());
        QCOMPARE(WritePositionLine(w.session().cells()), line);

        answer("&Yes", &asked);
        QTest::mouseClick(pencil, Qt::LeftButton);
        QCOMPARE(w.session().mode(), OperationMode::PencilAndPaper);
        QVERIFY(pencil->isChecked() && !all->isChecked());
        for (Cell c : CellsIn(w, kStateOpen)) QVERIFY(TextOf(w, c).empty());
        // The arrow keys cannot slip past the question.
        editCandidates();
        all->setFocus();
        QTest::keyClick(all, Qt::Key_Up);
        QTest::keyClick(all, Qt::Key_Left);
        QCOMPARE(w.session().mode(), OperationMode::AllCandidates);
    }

    void tileWritesIntoTheSessionAndClosesOnReturn() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const Cell open = CellsIn(w, kStateOpen).front();
        ClickCell(w, open.row, open.col, Qt::RightButton);
        Tfrmtile* tile = w.tile();
        QVERIFY(tile->isVisible());
        QCOMPARE(tile->windowTitle(), QStringLiteral("Show Candidates"));
        QCOMPARE(tile->automaticButton()->text(), QStringLiteral("Automatic"));
        QCOMPARE(tile->pos(),
                 w.frameGeometry().topLeft() + QPoint(46 * open.col + 20, 46 * open.row + 90));
        QCOMPARE(w.statusLine()->currentMessage(), w.LookupText("howtoclosetile"));
        QTest::mouseClick(tile->digitButton(5), Qt::LeftButton);
        QTest::mouseClick(tile->digitButton(9), Qt::RightButton);
        QTest::keyClick(tile, Qt::Key_1);
        QCOMPARE(TextOf(w, open), std::string("159"));
        QVERIFY(tile->digitButton(5)->isChecked());
        // The next press on the board only closes the tile.
        ClickCell(w, open.row, open.col);
        QVERIFY(!tile->isVisible());
        QVERIFY(!w.session().tileOpen());
        QCOMPARE(TextOf(w, open), std::string("159"));
        // Esc closes it; "Automatic" fills the computed candidates.
        ClickCell(w, open.row, open.col, Qt::RightButton);
        for (int d = 1; d <= 9; ++d) QCOMPARE(tile->digitButton(d)->isChecked(), d % 4 == 1);
        QTest::keyClick(tile, Qt::Key_Escape);
        QVERIFY(!tile->isVisible());
        QVERIFY(!w.session().tileOpen());
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QTest::mouseClick(tile->automaticButton(), Qt::LeftButton);
        QVERIFY(!tile->isVisible());
        QCOMPARE(TextOf(w, open), w.session().cells().PeerCandidates(open.row, open.col));

        // The main window coming back closes the tile; over a cell the mark
        // stays for the click that brought it back, elsewhere it goes.
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QApplication::setActiveWindow(tile);
        QCursor::setPos(w.board()->mapToGlobal(CellPoint(open.row, open.col)));
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(!tile->isVisible());
        QVERIFY(w.session().tileOpen());
        ClickCell(w, open.row, open.col); // consumed
        QVERIFY(!w.session().tileOpen());
        ClickCell(w, open.row, open.col, Qt::RightButton);
        QApplication::setActiveWindow(tile);
        QCursor::setPos(w.mapToGlobal(QPoint(-50, -50)));
        QApplication::setActiveWindow(&w);
        QTRY_VERIFY(!tile->isVisible());
        QVERIFY(!w.session().tileOpen());
    }

    void stepShortcutsWalkTheLog() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        const std::vector<Cell> open = CellsIn(w, kStateOpen);
        for (int i = 0; i < 3; ++i) {
            PressKey(w, Solution(w, open[i]));
            ClickCell(w, open[i].row, open[i].col);
        }
        // Ctrl+Z is Back Step, Ctrl+Y and Ctrl+Shift+Z are Next Step.
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.session().stepLog().Cursor(), 1);
        QVERIFY(w.action(Command::NextStep)->isEnabled());
        QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.session().stepLog().Cursor(), 3);
        QVERIFY(!w.action(Command::LastStep)->isEnabled());
        w.action(Command::FirstStep)->trigger();
        QCOMPARE(w.session().stepLog().Cursor(), 0);
        QVERIFY(!w.action(Command::BackStep)->isEnabled());
        QCOMPARE(w.board()->display().Caption(open[0].row, open[0].col), std::string());
    }

    void checkingAndTheSolutionViewers() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.action(Command::CheckError)->trigger(); // nothing loaded: no word
        QVERIFY(f.prompter.told.isEmpty());
        w.NewGame(1);
        QVERIFY(ShowActive(w));
        w.action(Command::CheckError)->trigger();
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Information|No error found.")});
        const Cell open = CellsIn(w, kStateOpen).front();
        PressKey(w, Solution(w, open) % 9 + 1); // a wrong digit
        ClickCell(w, open.row, open.col);
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(w.session().board().CellColor(open.row, open.col), TColor{254});

        f.prompter.answer = false;
        w.action(Command::ShowSolution)->trigger();
        QVERIFY(f.prompter.asked.last().endsWith(QStringLiteral("see the solution?")));
        f.prompter.answer = true;
        bool shown = false;
        OnNextModal<Tfrmda>([&](Tfrmda& viewer) {
            shown = true;
            QCOMPARE(viewer.windowTitle(), QStringLiteral("Solution"));
            QCOMPARE(viewer.closeButton()->text(), QStringLiteral("Close"));
            const BoardDisplay& b = viewer.board()->display();
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c) {
                    QCOMPARE(b.node(r, c).Text, Digit(w.session().model().node(r, c).Digit));
                    QCOMPARE(b.Caption(r, c), b.node(r, c).Text);
                    // The main board's box shading.
                    QCOMPARE(b.CellColor(r, c), w.session().board().BoxColor(r, c));
                }
            QVERIFY(b.CellColor(1, 1) != b.CellColor(1, 4));
            QVERIFY(!(viewer.windowFlags() & Qt::WindowMaximizeButtonHint));
            QVERIFY(!b.cells().HasErrorMark());
            QTest::mouseClick(viewer.closeButton(), Qt::LeftButton);
        });
        w.action(Command::ShowSolution)->trigger();
        QVERIFY(shown);

        // Only the first row given: two solutions, as text.
        const std::string solution = w.session().model().GetSolutionString();
        w.session().StartPuzzle(solution.substr(0, 9) + std::string(72, '0'), "", 5);
        QString text;
        OnNextModal<TFrmdas>([&](TFrmdas& viewer) {
            QCOMPARE(viewer.windowTitle(), QStringLiteral("Multiple Solutions Viewer"));
            text = viewer.text();
            QTest::mouseClick(viewer.closeButton(), Qt::LeftButton);
        });
        w.action(Command::ShowSolution)->trigger();
        QCOMPARE(f.prompter.told.last(),
                 QStringLiteral("Information|This Puzzle has at least two solutions,Press OK "
                                "to view it."));
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[13], lines[1]); // the given row

        // Restart asks through the prompter and gives "Pencil and Paper" the focus.
        w.action(Command::Restart)->trigger();
        QCOMPARE(f.prompter.asked.last(),
                 QStringLiteral("Confirm|Are you sure you want to reset this game to the "
                                "initial state?"));
        QCOMPARE(w.focusWidget(), w.modeButton(OperationMode::PencilAndPaper));
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
        for (int d = 1; d <= 9; ++d) QCOMPARE(w.counter(d)->barColor(), kRed);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.finishLabelShown());
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
