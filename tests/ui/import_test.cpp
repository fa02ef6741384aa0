// SPDX-License-Identifier: GPL-3.0-or-later
// The import dialogs with real clicks and keys: the grid's mouse edits,
// "&Clear Grid" and its question, an example imported and played through
// both dialogs, and paste from the clipboard. The rules themselves are the
// import-or-create and session tests'.
#include "exchange/import_examples.h"
#include "ui/import_controller.h"
#include "ui/import_dialog.h"
#include "ui/import_or_create_dialog.h"
#include "ui_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

using namespace velmar;
using namespace velmar::test;

namespace {

// Runs step inside the next modal window's event loop, once it is up.
void WhenModal(QWidget* dialog, std::function<void()> step) {
    QTimer::singleShot(0, [dialog, step] {
        if (QApplication::activeModalWidget() != dialog) return WhenModal(dialog, step);
        step();
    });
}

const std::string& GridText(Tfrm_new& d, int row, int col) {
    return d.model().grid().cell(row, col).Text;
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void gridEditsAndClearGridByMouse() {
        WindowFixture f;
        Tfrm_new& d = *f.window->importer()->dialog();
        d.show();
        TPICSD33* grid = d.grid();
        QTest::mouseClick(grid, Qt::LeftButton, {}, TPICSD33::CandidateRect(1, 1, 5).center());
        QCOMPARE(GridText(d, 1, 1), std::string("5"));
        QVERIFY(!d.shown().CandidateVisible(1, 9, 5)); // the row lost the 5
        QTest::mouseClick(grid, Qt::RightButton, {}, TPICSD33::CandidateRect(1, 9, 9).center());
        QCOMPARE(GridText(d, 1, 9), std::string("1234678"));
        QTest::mouseClick(grid, Qt::RightButton, {}, CellPoint(1, 1)); // nothing
        QCOMPARE(GridText(d, 1, 1), std::string("5"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, CellPoint(1, 1));
        QCOMPARE(GridText(d, 1, 1), std::string("123456789"));
        QCOMPARE(GridText(d, 1, 9), std::string("12346785"));

        f.prompter.answer = false;
        QTest::mouseClick(d.button(3), Qt::LeftButton);
        QCOMPARE(f.prompter.asked.last(), QStringLiteral("Confirm|Clear the puzzle board,Sure?"));
        QCOMPARE(GridText(d, 1, 9), std::string("12346785"));
        f.prompter.answer = true;
        QTest::mouseClick(d.button(3), Qt::LeftButton);
        QCOMPARE(GridText(d, 1, 9), std::string("123456789"));
        QTest::mouseClick(d.button(1), Qt::LeftButton);
        QCOMPARE(f.prompter.told.last(),
                 QStringLiteral("Information|This puzzle has multiple solution"));
        f.prompter.answer = false;
        QTest::mouseClick(d.button(2), Qt::LeftButton);
        QCOMPARE(f.prompter.asked.last(),
                 QStringLiteral(
                     "Confirm|This Puzzle has multiple solutions,Do you want to solve it anyway?"));
        QVERIFY(d.isVisible());
        QVERIFY(!f.window->session().gameLoaded());

        // "Load Puzzle" takes the dealt givens over.
        f.window->NewGame(1);
        QTest::mouseClick(d.button(5), Qt::LeftButton);
        for (int i = 0; i < 81; ++i)
            QCOMPARE(d.model().grid().at(i).State == kStatePlaced,
                     f.window->session().cells().at(i).State == kStateGiven);
    }

    void exampleFourImportedAndPlayed() {
        WindowFixture f;
        TForm1& w = *f.window;
        Tfrm_new& d = *w.importer()->dialog();
        TfrmImport& import = *d.importDialog();
        bool played = false;
        WhenModal(&d, [&] {
            WhenModal(&import, [&] {
                QTest::mouseClick(import.exampleButton(4), Qt::LeftButton);
                QCOMPARE(import.helpLine()->text(),
                         QStringLiteral(
                             "Include nine rows,the rows include digit group,and any string"));
                QTest::mouseClick(import.okButton(), Qt::LeftButton);
            });
            QTest::mouseClick(d.button(6), Qt::LeftButton);
            QCOMPARE(GridText(d, 1, 1), std::string("14679"));
            QTest::mouseClick(d.button(2), Qt::LeftButton);
            played = true;
        });
        w.action(Command::Import)->trigger();
        QVERIFY(played);
        QVERIFY(!d.isVisible());
        QCOMPARE(w.session().level(), 5);
        QCOMPARE(w.levelLabel()->text(), QStringLiteral("  Level:Unknown"));
        QCOMPARE(w.session().mode(), OperationMode::AllCandidates);
        QVERIFY(w.modeButton(OperationMode::AllCandidates)->isChecked());
        QCOMPARE(w.session().cells().cell(1, 3).State, kStateGiven);
        QCOMPARE(w.session().cells().cell(2, 3).Text, std::string("469"));
        QVERIFY(w.board()->isEnabled());
        // The text area keeps its text for the next opening; "Clear" empties it.
        QCOMPARE(import.text().toStdString(), ImportExampleText(4).text);
        QAction* clear = import.contextMenu()->actions().at(3);
        QCOMPARE(clear->text(), QStringLiteral("Clear"));
        clear->trigger();
        QVERIFY(import.text().isEmpty());
    }

    void pasteOpensTheDialogOrSaysInvalidFormat() {
        WindowFixture f;
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        Tfrm_new& d = *w.importer()->dialog();
        QGuiApplication::clipboard()->setText(QStringLiteral("no puzzle here"));
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.prompter.told.size(), 1);
        QCOMPARE(f.prompter.told.last(), QStringLiteral("Information|Invalid format."));
        QCOMPARE(GridText(d, 1, 1), std::string("123456789"));

        // Nine rows pasted from a text file, ended by a line break.
        QString rows;
        const std::string example = ImportExampleText(1).text;
        for (int r = 0; r < 9; ++r) rows += QString::fromStdString(example.substr(r * 9, 9)) + "\n";
        QGuiApplication::clipboard()->setText(rows);
        std::string seen;
        WhenModal(&d, [&] {
            seen = GridText(d, 1, 2);
            QTest::mouseClick(d.button(4), Qt::LeftButton); // &Quit
        });
        w.action(Command::PastePuzzle)->trigger();
        QCOMPARE(seen, std::string("8"));
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY(!w.session().gameLoaded()); // quitting starts nothing
    }
};

QTEST_MAIN(ImportTest)
#include "import_test.moc"
