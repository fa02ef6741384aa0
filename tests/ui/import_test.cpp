// SPDX-License-Identifier: GPL-3.0-or-later
// The import dialogs with real clicks and keys: the grid's mouse edits,
// "&Clear Grid" and its question, an example imported and played through
// both dialogs, and paste from the clipboard. The rules themselves are the
// import-or-create and session tests'.
#include "exchange/import_examples.h"
#include "ui/controllers/import_controller.h"
#include "ui/dialogs/import_dialog.h"
#include "ui/dialogs/import_or_create_dialog.h"
#include "ui_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
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
        QTest::mouseClick(grid, Qt::LeftButton, {}, CellPoint(1, 1));
        QCOMPARE(GridText(d, 1, 9), std::string("12346785"));

        QTest::mouseClick(d.button(3), Qt::LeftButton); // answered Yes
        QCOMPARE(f.prompter.asked.last(), QStringLiteral("Confirm|Clear the puzzle board,Sure?"));
        QCOMPARE(GridText(d, 1, 9), std::string("123456789"));
        QTest::mouseClick(d.button(1), Qt::LeftButton);
        QCOMPARE(f.prompter.told.last(),
                 QStringLiteral("Warning|This puzzle has multiple solution"));
        f.prompter.answer = false;
        QTest::mouseClick(d.button(2), Qt::LeftButton);
        QVERIFY(f.prompter.asked.last().startsWith(QStringLiteral("Confirm|This Puzzle has")));
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
        QCOMPARE(w.levelLabel()->text(), QStringLiteral("  Level:Unknown"));
        QVERIFY(w.modeButton(OperationMode::AllCandidates)->isChecked());
        QCOMPARE(w.session().cells().cell(2, 3).Text, std::string("469"));
        // The text area keeps its text until "Clear" empties it.
        QCOMPARE(import.text().toStdString(), ImportExampleText(4).text);
        import.contextMenu()->actions().at(3)->trigger();
        QVERIFY(import.text().isEmpty());
    }

    void pasteOpensTheDialogOrSaysInvalidFormat() {
        WindowFixture f;
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        Tfrm_new& d = *w.importer()->dialog();
        QGuiApplication::clipboard()->setText(QStringLiteral("no puzzle here"));
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Warning|Invalid format.")});
        QCOMPARE(GridText(d, 1, 1), std::string("123456789"));

        // A line pasted from a text file, with its line break.
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(ImportExampleText(1).text + "\n"));
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
