// SPDX-License-Identifier: GPL-3.0-or-later
// The hint dialog and the branch buttons on the real window, with real
// clicks and keys: "Show hint" and H open the dialog in its place, Enter and
// the action button apply and search, Esc closes, Ctrl+Z undoes an applied
// hint, the branch buttons follow the session, and a bank game of every
// level is finished by the action button alone; the "Advanced techniques"
// switch in the Options menu and the dialog. The rules are the session tests'.
#include "history/position_line.h"
#include "model/random.h"
#include "storage/settings_store.h"
#include "ui/dialogs/hint_dialog.h"
#include "ui/main_window/time_label.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>

using namespace velmar;
using namespace velmar::test;

namespace {

// Runs `inside` on the hint dialog once its modal loop runs.
void InsideHintDialog(const std::function<void(Tfrmsolover&)>& inside) {
    QTimer::singleShot(0, [inside] {
        auto* dialog = qobject_cast<Tfrmsolover*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        inside(*dialog);
        dialog->reject(); // also after a failed check, so the test goes on
    });
}

// The memo's text each time it is painted.
struct PaintedTexts : QObject {
    QTextEdit* memo;
    QStringList texts;
    explicit PaintedTexts(QTextEdit* m) : memo(m) { memo->viewport()->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) texts << memo->toPlainText();
        return false;
    }
};

QToolButton* ToolButton(TForm1& w, Command c) {
    for (QToolBar* bar : w.findChildren<QToolBar*>())
        if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(w.action(c)))) return b;
    return nullptr;
}

// Opens the Options menu on the menu bar and clicks its one item.
void ClickAdvancedInMenu(TForm1& w) {
    auto* options = w.findChild<QMenu*>(QStringLiteral("mnOptions"));
    QVERIFY(options);
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                      w.menuBar()->actionGeometry(options->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(options));
    QAction* item = w.action(Command::AdvancedTechniques);
    QTest::mouseClick(options, Qt::LeftButton, {}, options->actionGeometry(item).center());
    QTRY_VERIFY(!options->isVisible());
}

std::string StoredAdvanced(const WindowFixture& f) {
    return f.store.ReadString(kSettingsKeyPath, kAdvancedTechniquesValue);
}

} // namespace

class HintDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensInPlaceAppliesAndUndoes() {
        WindowFixture f(PuzzleBank::builtIn());
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        QTest::keyClick(&w, Qt::Key_H); // no game: nothing opens
        QVERIFY(!w.hintDialog()->isVisible());
        Random::instance().reseed(1); // a deal whose first hint is a single
        w.NewGame(4);
        bool ran = false;
        InsideHintDialog([&](Tfrmsolover& d) {
            ran = true;
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QCOMPARE(d.windowTitle(), QStringLiteral("Show Hint"));
            QCOMPARE(d.size(), QSize(593, 143));
            QCOMPARE(d.memo()->size(), QSize(462, 110));
            QCOMPARE(d.actionButton()->size(), QSize(113, 33));
            QCOMPARE(d.closeButton()->text(), QStringLiteral("Close"));
            // Beside the main window, inside the screen.
            QVERIFY(!d.frameGeometry().intersects(w.frameGeometry()));
            QVERIFY(w.screen()->availableGeometry().contains(d.frameGeometry()));
            QVERIFY(!d.memo()->toPlainText().isEmpty());
            QCOMPARE(d.actionButton()->text(), QStringLiteral("Do It For Me"));
            QCOMPARE(d.focusWidget(), d.actionButton());
            const int hinted = w.session().hintEngine().hint().placement->cell;
            QCOMPARE(w.board()->display().CellColor(hinted / 9 + 1, hinted % 9 + 1),
                     TColor{kHighlightMagenta});
            // Enter presses the action button: the single is placed.
            QTest::keyClick(&d, Qt::Key_Return);
            QCOMPARE(w.session().cells().at(hinted).State, kStatePlaced);
            QCOMPARE(d.actionButton()->text(), QStringLiteral("Next Hint"));
            QVERIFY(d.memo()->toPlainText().isEmpty());
            QVERIFY(w.action(Command::BackStep)->isEnabled());
            // "Next Hint" paints "Thinking..." before it searches.
            PaintedTexts painted(d.memo());
            QTest::mouseClick(d.actionButton(), Qt::LeftButton);
            QVERIFY(painted.texts.contains(QStringLiteral("Thinking...")));
            QCOMPARE(d.actionButton()->text(), QStringLiteral("Do It For Me"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QTest::mouseClick(ToolButton(w, Command::ShowHint), Qt::LeftButton);
        QVERIFY(ran);
        QVERIFY(!w.hintDialog()->isVisible());
        QCOMPARE(w.session().stepLog().Entries().size(), size_t{2});
        // The highlights are gone; Ctrl+Z takes the applied hint back.
        QVERIFY(w.board()->display().CellColor(1, 1) != TColor{kHighlightMagenta});
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.session().stepLog().Cursor(), 0);

        // H opens it too; closing while "Do It For Me" waits applies nothing.
        const std::string line = WritePositionLine(w.session().cells());
        InsideHintDialog(
            [](Tfrmsolover& d) { QTest::mouseClick(d.closeButton(), Qt::LeftButton); });
        QTest::keyClick(&w, Qt::Key_H);
        QCOMPARE(WritePositionLine(w.session().cells()), line);
    }

    // "Smaller hint": the technique's name, then where, then the whole hint,
    // the board's colours following; the next hint starts small again, and
    // "Do It For Me" works at any stage.
    void smallerHintStepsThroughTheStages() {
        WindowFixture f(PuzzleBank::builtIn());
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        Random::instance().reseed(1);
        w.NewGame(4);
        bool ran = false;
        InsideHintDialog([&](Tfrmsolover& d) {
            ran = true;
            const QString whole = d.memo()->toPlainText();
            const int hinted = w.session().hintEngine().hint().placement->cell;
            const auto colour = [&] {
                return w.board()->display().CellColor(hinted / 9 + 1, hinted % 9 + 1);
            };
            QCOMPARE(d.stageButton()->text(), QStringLiteral("Smaller hint"));
            QTest::mouseClick(d.stageButton(), Qt::LeftButton);
            QCOMPARE(d.memo()->toPlainText(), QStringLiteral("Look for a hidden single"));
            QCOMPARE(colour(), TColor{kHighlightWhite});
            QCOMPARE(d.stageButton()->text(), QStringLiteral("More of the hint"));
            QTest::mouseClick(d.stageButton(), Qt::LeftButton);
            QVERIFY(
                d.memo()->toPlainText().startsWith(QStringLiteral("Look for a hidden single in ")));
            QCOMPARE(colour(), TColor{kHighlightCyan});
            QTest::mouseClick(d.stageButton(), Qt::LeftButton);
            QCOMPARE(d.memo()->toPlainText(), whole);
            QCOMPARE(colour(), TColor{kHighlightMagenta});
            QTest::mouseClick(d.stageButton(), Qt::LeftButton);  // small again
            QTest::mouseClick(d.actionButton(), Qt::LeftButton); // Do It For Me
            QCOMPARE(w.session().cells().at(hinted).State, kStatePlaced);
            QVERIFY(!d.stageButton()->isEnabled());
            QTest::mouseClick(d.actionButton(), Qt::LeftButton); // Next Hint
            QVERIFY(d.memo()->toPlainText().startsWith(QStringLiteral("Look for ")));
            QVERIFY(!d.memo()->toPlainText().contains(QStringLiteral(" in ")));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QTest::mouseClick(ToolButton(w, Command::ShowHint), Qt::LeftButton);
        QVERIFY(ran);
    }

    void placedBesideTheMainWindowAndOffTheBoard() {
        const QSize hint(600, 130);
        const QRect main(660, 240, 600, 580);
        const QRect board(666, 300, 466, 462);
        // Room below; near the bottom edge, above; at the top, right of it.
        QCOMPARE(HintWindowPlace(QRect(0, 0, 1920, 1080), main, board, hint), QPoint(660, 820));
        QCOMPARE(HintWindowPlace(QRect(0, 0, 1920, 900), main, board, hint), QPoint(660, 110));
        QCOMPARE(HintWindowPlace(QRect(0, 0, 1920, 650), main.translated(0, -240),
                                 board.translated(0, -240), hint),
                 QPoint(1260, 450));
        // Twice the scale: no room beside it; the least of the board is covered.
        const QRect screen(0, 0, 960, 540);
        const QRect big(180, 0, 600, 540);
        const QRect bigBoard(186, 40, 466, 462);
        const QPoint at = HintWindowPlace(screen, big, bigBoard, hint);
        QVERIFY(screen.contains(QRect(at, hint)));
        QCOMPARE(QRect(at, hint).intersected(bigBoard).width(), 652 - 360);
    }

    void branchButtonsFollowTheSession() {
        WindowFixture f;
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        QVERIFY(!w.action(Command::StartBranch)->isEnabled());
        w.NewGame(1);
        const std::string start = WritePositionLine(w.session().cells());
        QTest::mouseClick(ToolButton(w, Command::StartBranch), Qt::LeftButton);
        QVERIFY(!w.action(Command::StartBranch)->isEnabled());
        QVERIFY(w.action(Command::AcceptBranch)->isEnabled());
        for (int r = 1; r <= 9; ++r)
            if (w.session().cells().cell(r, 2).State == kStateOpen) ClickCell(w, r, 2);
        QTest::mouseClick(ToolButton(w, Command::RejectBranch), Qt::LeftButton);
        QCOMPARE(WritePositionLine(w.session().cells()), start);
        QVERIFY(w.action(Command::StartBranch)->isEnabled());
        QVERIFY(!w.action(Command::RejectBranch)->isEnabled());
    }

    void bankGameOfEveryLevelFinishedByTheActionButton() {
        WindowFixture f(PuzzleBank::builtIn());
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        // The same deals every run: a few shuffles of the bank's hardest
        // puzzles leave the engine stumped.
        Random::instance().reseed(2026);
        for (int level = 0; level < 5; ++level) {
            w.NewGame(level);
            InsideHintDialog([](Tfrmsolover& d) {
                for (int i = 0; i < 400 && d.memo()->toPlainText() != QStringLiteral("Solved!");
                     ++i)
                    QTest::mouseClick(d.actionButton(), Qt::LeftButton);
                QCOMPARE(d.memo()->toPlainText(), QStringLiteral("Solved!"));
                QTest::keyClick(&d, Qt::Key_Escape);
            });
            QTest::mouseClick(ToolButton(w, Command::ShowHint), Qt::LeftButton);
            for (int i = 0; i < 81; ++i)
                QCOMPARE(w.session().cells().at(i).Text,
                         Digit(w.session().model().node(i / 9 + 1, i % 9 + 1).Digit));
            QVERIFY(w.finishLabelShown());
            QVERIFY(!w.clock()->timerenabled());
        }
    }

    void advancedTechniquesSwitchFollowsAndIsKept() {
        WindowFixture f(PuzzleBank::builtIn());
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        QAction* item = w.action(Command::AdvancedTechniques);
        QVERIFY(item->isCheckable() && !item->isChecked());
        QVERIFY(!w.hintDialog()->advancedBox()->isChecked());
        ClickAdvancedInMenu(w);
        QVERIFY(item->isChecked());
        QVERIFY(w.hintDialog()->advancedBox()->isChecked());
        QVERIFY(w.session().AdvancedTechniques());
        QCOMPARE(StoredAdvanced(f), "1");
        {
            // Read at start.
            MainWindowServices services;
            services.prompter = &f.prompter;
            services.settings = &f.store;
            services.dataFolder = f.dataDir.path() + QStringLiteral("/velmar/");
            TForm1 second(services);
            QVERIFY(second.session().AdvancedTechniques());
            QVERIFY(second.action(Command::AdvancedTechniques)->isChecked());
        }

        // A top1465 puzzle: the ladder finishes it and the ended run shows
        // its difficulty beside the score. The check box turns it off again
        // and starts the run over with the old techniques.
        w.session().StartPuzzle(
            "400030000000600800000000001000050090080000600070200000000102700503000040900000000", "",
            5);
        InsideHintDialog([&](Tfrmsolover& d) {
            QVERIFY(d.resultLabel()->text().isEmpty());
            for (int i = 0; i < 400 && d.memo()->toPlainText() != QStringLiteral("Solved!"); ++i)
                QTest::mouseClick(d.actionButton(), Qt::LeftButton);
            QCOMPARE(d.memo()->toPlainText(), QStringLiteral("Solved!"));
            QVERIFY(d.resultLabel()->text().startsWith(QStringLiteral("Score: ")));
            QVERIFY(d.resultLabel()->text().contains(QStringLiteral("Difficulty: 9.3 (")));
            QTest::mouseClick(d.advancedBox(), Qt::LeftButton);
            QVERIFY(!item->isChecked());
            QCOMPARE(d.memo()->toPlainText(), QStringLiteral("Solved!"));
            QVERIFY(d.resultLabel()->text().isEmpty());
        });
        QTest::mouseClick(ToolButton(w, Command::ShowHint), Qt::LeftButton);
        QVERIFY(!w.session().AdvancedTechniques());
        QCOMPARE(StoredAdvanced(f), "0");
    }
};

QTEST_MAIN(HintDialogTest)
#include "hint_dialog_test.moc"
