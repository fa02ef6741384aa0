// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its state right after start-up, a new game at every level
// and from a candidate mode, the clock and the digit counters, the digit keys.
#include "ui/board/board_widget.h"
#include "ui/board/digit_counter.h"
#include "ui/main_window/painted_icons.h"
#include "ui/main_window/time_label.h"
#include "ui/platform/data_folder.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace velmar;
using namespace velmar::test;

namespace {

const std::array<Command, 4> kStepCommands = {Command::FirstStep, Command::BackStep,
                                              Command::NextStep, Command::LastStep};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // As the program runs: the Fusion style, and no display name that the
    // platform would append to every window title.
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void startsWithAnEmptyDisabledBoard() {
        WindowFixture f;
        TForm1& w = *f.window;
        QCOMPARE(w.client()->size(), QSize(593, 540));
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmar 5.0"));
        QVERIFY(!w.board()->isEnabled());
        for (int i = 0; i < 81; ++i) {
            QCOMPARE(w.session().cells().at(i).State, kStateGiven);
            QVERIFY(w.session().cells().at(i).Text.empty());
        }
        QCOMPARE(w.clock()->text(), QStringLiteral("0:0:0"));
        QVERIFY(!w.clock()->timerenabled());
        for (Command c : kStepCommands) QVERIFY(!w.action(c)->isEnabled());
        for (Command c : {Command::StartBranch, Command::AcceptBranch, Command::RejectBranch})
            QVERIFY(!w.action(c)->isEnabled());
        QVERIFY(w.modeButton(OperationMode::PencilAndPaper)->isChecked());
        QVERIFY(w.autoUpdateBox()->isChecked());
        QVERIFY(!w.autoUpdateBox()->isEnabled());
        QVERIFY(!w.markingBox()->isChecked());
        QVERIFY(!w.finishLabelShown());
        QVERIFY(w.levelLabel()->text().isEmpty());
        QVERIFY(w.session().marks().IsEmpty());
        // The data folder and its replay folder exist; the folder is the current one.
        QVERIFY(QDir(w.dataFolder() + QStringLiteral("replay")).exists());
        QCOMPARE(QDir::current().absolutePath() + QLatin1Char('/'), w.dataFolder());
        // Settings were created with their defaults and the built-in colours apply.
        QCOMPARE(f.store.ReadString(kSettingsKeyPath, "reg_HighLight_color"), "65535");
        QCOMPARE(w.session().board().properties().UNFoucsColor1, TColor{0xFFFFFF});
        QCOMPARE(w.session().board().properties().UNFoucsColor2, TColor{14284791});
        QCOMPARE(w.session().board().properties().highcolor, TColor{0x00FFFF});
        // Every text comes from the English table.
        QCOMPARE(w.modeButton(OperationMode::AllCandidates)->text(),
                 QStringLiteral("All Candidates"));
        QCOMPARE(w.action(Command::Gentle)->toolTip(), QStringLiteral("Create Sudoku:Gentle"));
        QCOMPARE(w.action(Command::Gentle)->text(), QStringLiteral("Gentle"));
        QCOMPARE(w.action(Command::SaveBoard)->text(), QStringLiteral("&Save Current Board"));
    }

    void newGameAtEveryLevel() {
        WindowFixture f;
        TForm1& w = *f.window;
        const char* labels[] = {"  Level:Very Easy", "  Level:Gentle", "  Level:Moderate",
                                "  Level:Tough", "  Level:Diabolical"};
        for (int level = 0; level < 5; ++level) {
            w.NewGame(level);
            // The deal's rules are the session tests'; here its mirror.
            QCOMPARE(w.levelLabel()->text(), QString::fromLatin1(labels[level]));
            QVERIFY(w.board()->isEnabled());
            for (int d = 1; d <= 9; ++d) {
                QCOMPARE(w.counter(d)->position(), w.session().counts()[d - 1]);
                QCOMPARE(w.counter(d)->toolTip(), QString::number(w.session().counts()[d - 1]));
                QCOMPARE(w.counter(d)->barColor(), kBlue);
            }
            QVERIFY(w.modeButton(OperationMode::PencilAndPaper)->isChecked());
            QVERIFY(w.digitButton(1)->isChecked());
            QVERIFY(!w.autoUpdateBox()->isEnabled());
            QVERIFY(w.clock()->timerenabled());
            QCOMPARE(w.clock()->MS(), 0);
            QCOMPARE(w.clock()->text(), QStringLiteral("0:0:0"));
            // A deal closes branches: Start Branch on, Accept and Reject off.
            QVERIFY(w.action(Command::StartBranch)->isEnabled());
            QVERIFY(w.session().branchButtons().Start);
            QVERIFY(!w.action(Command::AcceptBranch)->isEnabled());
            QVERIFY(!w.action(Command::RejectBranch)->isEnabled());
            for (Command c : kStepCommands) QVERIFY(!w.action(c)->isEnabled());
        }
        // The clock runs in steps of its interval.
        QTRY_VERIFY_WITH_TIMEOUT(w.clock()->MS() >= 200, 3000);
    }

    void clockCaption() {
        QCOMPARE(FormatElapsed(0), QStringLiteral("0:0:0"));
        QCOMPARE(FormatElapsed(59999), QStringLiteral("0:0:59"));
        QCOMPARE(FormatElapsed(60000), QStringLiteral("0:1:0"));
        QCOMPARE(FormatElapsed(307000), QStringLiteral("0:5:7"));
        QCOMPARE(FormatElapsed(3600000), QStringLiteral("1:0:0"));
    }

    void fullBoardTurnsEveryCounterRed() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(0);
        std::string line;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                const TNode& m = w.session().model().node(r, c);
                if (!line.empty()) line += ',';
                line += m.Fixed ? '1' : '2';
                line += static_cast<char>('0' + m.Digit);
            }
        QVERIFY(w.session().LoadPosition(line));
        w.session().CommitEdit();
        QCOMPARE(w.session().stepLog().Entries().size(), size_t{2});
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(w.counter(d)->position(), 9);
            QCOMPARE(w.counter(d)->barColor(), kRed);
            QCOMPARE(w.counter(d)->toolTip(), QStringLiteral("9"));
        }
        // The commit recorded the board as a step.
        QVERIFY(w.action(Command::BackStep)->isEnabled());
        QVERIFY(w.action(Command::FirstStep)->isEnabled());
        QVERIFY(!w.action(Command::NextStep)->isEnabled());
    }

    void hoverTipsColourTheStatusLine() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const TPicNode* open = nullptr;
        const TPicNode* given = nullptr;
        for (int i = 0; i < 81; ++i) {
            const TPicNode& n = w.session().cells().at(i);
            (n.State == kStateOpen ? open : given) = &n;
        }
        auto hover = [&](const TPicNode* n) {
            const QPoint at = TPICSD33::CellRect(n->Row, n->Col).center();
            QMouseEvent move(QEvent::MouseMove, at, w.board()->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w.board(), &move);
        };
        // The colours as the window shows them, not the status bar alone.
        auto statusColour = [&] {
            const QImage shot = w.grab().toImage();
            const QPoint at = w.statusLine()->mapTo(
                &w, QPoint(w.statusLine()->width() - 3, w.statusLine()->height() / 2));
            return shot.pixelColor(at * shot.devicePixelRatio());
        };
        hover(open);
        QCOMPARE(w.statusLine()->currentMessage(), w.LookupText("msg_rb_one"));
        QCOMPARE(statusColour(), ToQColor(7978239));
        QCOMPARE(w.board()->Hover(), (BoardHit{open->Row, open->Col, 0}));
        hover(given);
        QVERIFY(w.statusLine()->currentMessage().isEmpty());
        QVERIFY(statusColour() != ToQColor(7978239));
        // The clock: lime on black.
        const QImage shot = w.grab().toImage();
        const QRect clock(w.clock()->mapTo(&w, QPoint(0, 0)), w.clock()->size());
        QCOMPARE(shot.pixelColor(clock.topLeft() + QPoint(2, 2)), QColor(Qt::black));
        bool lime = false;
        for (int x = clock.left(); x < clock.right(); ++x)
            lime = lime || shot.pixelColor(x, clock.center().y()) == QColor(0, 255, 0);
        QVERIFY(lime);
    }

    void dataFolderDoesNotFollowTheWorkingDirectory() {
        const QByteArray saved = qgetenv("VELMAR_DATA_DIR");
        qunsetenv("VELMAR_DATA_DIR");
        QTemporaryDir a, b;
        QDir::setCurrent(a.path());
        const QString first = DataFolder();
        QDir::setCurrent(b.path());
        QCOMPARE(DataFolder(), first);
        QVERIFY(first.endsWith(QStringLiteral("/velmar/")));
        qputenv("VELMAR_DATA_DIR", b.path().toUtf8());
        QCOMPARE(DataFolder(), b.path() + QLatin1Char('/'));
        if (saved.isEmpty())
            qunsetenv("VELMAR_DATA_DIR");
        else
            qputenv("VELMAR_DATA_DIR", saved);
    }

    void unusableDataFolderIsToldOnceAndTheGamePlays() {
        QTemporaryDir dir;
        // A file where the folder should be.
        const QString folder = dir.filePath(QStringLiteral("velmar"));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!EnsureDataFolder(folder + QLatin1Char('/')));
        QVERIFY(EnsureDataFolder(dir.filePath(QStringLiteral("fine/"))));

        MemorySettingsStore store;
        ScriptedPrompter prompter;
        TForm1 window({&prompter, &store, &TestBank(), folder + QLatin1Char('/')});
        QVERIFY(prompter.told.isEmpty()); // said once the event loop runs
        QCoreApplication::processEvents();
        QCOMPARE(prompter.told.size(), 1);
        QVERIFY(prompter.told.at(0).startsWith(QStringLiteral("Warning|The data folder ")));
        QVERIFY(prompter.told.at(0).contains(QDir::toNativeSeparators(folder)));
        window.NewGame(1);
        QVERIFY(window.board()->isEnabled());
        QCoreApplication::processEvents();
        QCOMPARE(prompter.told.size(), 1);
    }

    void iconsAreDrawnForEveryScale() {
        for (int id = 0; id <= static_cast<int>(IconId::Application); ++id) {
            const QIcon icon = PaintedIcon(static_cast<IconId>(id));
            const QImage twice = icon.pixmap(QSize(20, 20), 2.0).toImage();
            QCOMPARE(twice.size(), QSize(40, 40)); // drawn at the device's own pixels
            const QImage disabled = icon.pixmap(QSize(20, 20), 2.0, QIcon::Disabled).toImage();
            int inked = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) inked += qAlpha(twice.pixel(x, y)) > 0;
            QVERIFY2(inked > 40, qPrintable(QString::number(id)));
            QVERIFY(disabled != twice);
        }
    }

    void tabAndDigitKeysSelectDigits() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_8);
        QCOMPARE(w.session().SelectedDigit(), 8);
        QTest::keyClick(w.board(), Qt::Key_Tab);
        QCOMPARE(w.session().SelectedDigit(), 9);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(w.session().SelectedDigit(), 1);
        // The highlight follows the selected digit on the filled cells.
        for (int i = 0; i < 81; ++i) {
            const TPicNode& n = w.session().cells().at(i);
            if (n.State == kStateGiven && n.Text == "1")
                QCOMPARE(w.session().board().CellColor(n.Row, n.Col),
                         w.session().board().properties().highcolor);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
