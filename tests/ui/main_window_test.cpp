// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its state right after start-up, a new game at every level
// and from a candidate mode, the clock and the digit counters, the digit keys.
#include "ui/board_widget.h"
#include "ui/data_folder.h"
#include "ui/digit_counter.h"
#include "ui/painted_icons.h"
#include "ui/time_label.h"
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
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Velmar 5.0")); }

    void startsWithAnEmptyDisabledBoard() {
        WindowFixture f;
        TForm1& w = *f.window;
        QCOMPARE(w.client()->size(), QSize(593, 540));
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmar 5.0"));
        QVERIFY(!w.board()->isEnabled());
        for (int i = 0; i < 81; ++i) {
            QCOMPARE(w.board()->cells().at(i).State, kStateGiven);
            QVERIFY(w.board()->cells().at(i).Text.empty());
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
        QVERIFY(w.marks().IsEmpty());
        // The data folder and its replay folder exist; the folder is the current one.
        QVERIFY(QDir(w.dataFolder() + QStringLiteral("replay")).exists());
        QCOMPARE(QDir::current().absolutePath() + QLatin1Char('/'), w.dataFolder());
        // Settings were created with their defaults and the built-in colours apply.
        QCOMPARE(f.store.ReadString(kSettingsKeyPath, "reg_HighLight_color"), "65535");
        QCOMPARE(w.board()->properties().UNFoucsColor1, TColor{0xFFFFFF});
        QCOMPARE(w.board()->properties().UNFoucsColor2, TColor{14284791});
        QCOMPARE(w.board()->properties().highcolor, TColor{0x00FFFF});
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
            // A fresh history holds the dealt position only.
            QCOMPARE(w.stepLog().Entries().size(), size_t{1});
            QCOMPARE(w.stepLog().Cursor(), 0);
            QCOMPARE(w.levelLabel()->text(), QString::fromLatin1(labels[level]));
            QCOMPARE(w.board()->properties().nd, level);
            QVERIFY(w.board()->isEnabled());
            int givens = 0;
            std::array<int, 9> counts{};
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c) {
                    const TPicNode& n = w.board()->node(r, c);
                    const TNode& m = w.model().node(r, c);
                    QVERIFY(m.Digit >= 1 && m.Digit <= 9);
                    if (m.Fixed) {
                        ++givens;
                        ++counts[m.Digit - 1];
                        QCOMPARE(n.State, kStateGiven);
                        QCOMPARE(w.board()->Caption(r, c), QString::number(m.Digit));
                    } else {
                        QCOMPARE(n.State, kStateOpen);
                        QVERIFY(n.Text.empty());
                    }
                    for (int d = 1; d <= 9; ++d) QVERIFY(!w.board()->CandidateVisible(r, c, d));
                }
            QCOMPARE(givens, 27);
            for (int d = 1; d <= 9; ++d) {
                QCOMPARE(w.counter(d)->position(), counts[d - 1]);
                QCOMPARE(w.counter(d)->toolTip(), QString::number(counts[d - 1]));
                QCOMPARE(w.counter(d)->barColor(), kBlue);
            }
            QVERIFY(w.modeButton(OperationMode::PencilAndPaper)->isChecked());
            QCOMPARE(w.SelectedDigit(), 1);
            QVERIFY(!w.autoUpdateBox()->isEnabled());
            QVERIFY(w.clock()->timerenabled());
            QCOMPARE(w.clock()->MS(), 0);
            QCOMPARE(w.clock()->text(), QStringLiteral("0:0:0"));
            QVERIFY(w.action(Command::StartBranch)->isEnabled());
            QVERIFY(!w.action(Command::AcceptBranch)->isEnabled());
            QVERIFY(!w.action(Command::RejectBranch)->isEnabled());
            for (Command c : kStepCommands) QVERIFY(!w.action(c)->isEnabled());
            QVERIFY(!w.tileOpen());
            QVERIFY(!w.candidatesOn());
        }
        // The clock runs in steps of its interval.
        QTRY_VERIFY_WITH_TIMEOUT(w.clock()->MS() >= 200, 3000);
    }

    void newGameLeavesCandidateModesAndMarks() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(1);
        w.modeButton(OperationMode::AllCandidates)->click();
        QCOMPARE(w.Mode(), OperationMode::AllCandidates);
        QVERIFY(w.autoUpdateBox()->isEnabled());
        QVERIFY(w.candidatesOn());
        const TPicNode* open = nullptr;
        for (int i = 0; i < 81 && !open; ++i)
            if (w.board()->cells().at(i).State == kStateOpen) open = &w.board()->cells().at(i);
        QVERIFY(open && !open->Text.empty());
        QVERIFY(w.board()->CandidateVisible(open->Row, open->Col, open->Text[0] - '0'));
        w.markingBox()->setChecked(true);
        w.board()->SetCellColor(1, 1, 0x123456);
        CaptureMarks(*w.board(), w.marks(), w.SelectedDigit());
        QVERIFY(!w.marks().IsEmpty());
        w.SetFinishLabelVisible(true);
        w.clock()->setTimerenabled(false);
        w.clock()->setMS(90000);

        w.NewGame(3);
        QCOMPARE(w.Mode(), OperationMode::PencilAndPaper);
        QVERIFY(w.modeButton(OperationMode::PencilAndPaper)->isChecked());
        QVERIFY(!w.autoUpdateBox()->isEnabled());
        QVERIFY(!w.markingBox()->isChecked());
        QVERIFY(w.marks().IsEmpty());
        QVERIFY(!w.finishLabelShown());
        QCOMPARE(w.SelectedDigit(), 1);
        QCOMPARE(w.clock()->text(), QStringLiteral("0:0:0"));
        QVERIFY(w.clock()->timerenabled());
        for (int i = 0; i < 81; ++i) {
            const TPicNode& n = w.board()->cells().at(i);
            if (n.State == kStateOpen) QVERIFY(n.Text.empty());
            for (int d = 1; d <= 9; ++d) QVERIFY(!w.board()->CandidateVisible(n.Row, n.Col, d));
        }
    }

    void aBankTooShortDealsNothing() {
        const std::string one = MarkedLine(0);
        const PuzzleBank shortBank({one, one, one, one, one});
        WindowFixture f(shortBank);
        f.window->NewGame(2);
        QVERIFY(!f.window->board()->isEnabled());
        QVERIFY(f.window->levelLabel()->text().isEmpty());
        f.window->NewGame(7); // not a level
        QVERIFY(!f.window->clock()->timerenabled());
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
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                TPicNode& n = w.board()->node(r, c);
                if (n.State == kStateOpen) {
                    n.State = kStatePlaced;
                    n.Text = std::string(1, static_cast<char>('0' + w.model().node(r, c).Digit));
                }
            }
        w.CountDigits();
        QCOMPARE(w.stepLog().Entries().size(), size_t{2});
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(w.counter(d)->position(), 9);
            QCOMPARE(w.counter(d)->barColor(), kRed);
            QCOMPARE(w.counter(d)->toolTip(), QStringLiteral("9"));
        }
        // The recount recorded the board as a step.
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
            const TPicNode& n = w.board()->cells().at(i);
            (n.State == kStateOpen ? open : given) = &n;
        }
        auto hover = [&](const TPicNode* n) {
            const QPoint at = TPICSD33::CellRect(n->Row, n->Col).center();
            QMouseEvent move(QEvent::MouseMove, at, w.board()->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w.board(), &move);
        };
        hover(open);
        QCOMPARE(w.statusLine()->currentMessage(), w.LookupText("msg_rb_one"));
        const QImage tip = w.statusLine()->grab().toImage();
        QCOMPARE(tip.pixelColor(tip.width() - 3, tip.height() / 2), ToQColor(7978239));
        QCOMPARE(w.board()->Hover(), (BoardHit{open->Row, open->Col, 0}));
        hover(given);
        QVERIFY(w.statusLine()->currentMessage().isEmpty());
        const QImage plain = w.statusLine()->grab().toImage();
        QVERIFY(plain.pixelColor(plain.width() - 3, plain.height() / 2) != ToQColor(7978239));
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
        QVERIFY(prompter.told.at(0).startsWith(QStringLiteral("Error|The data folder ")));
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
        QCOMPARE(w.SelectedDigit(), 8);
        QTest::keyClick(w.board(), Qt::Key_Tab);
        QCOMPARE(w.SelectedDigit(), 9);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(w.SelectedDigit(), 1);
        // The highlight follows the selected digit on the filled cells.
        for (int i = 0; i < 81; ++i) {
            const TPicNode& n = w.board()->cells().at(i);
            if (n.State == kStateGiven && n.Text == "1")
                QCOMPARE(w.board()->CellColor(n.Row, n.Col), w.board()->properties().highcolor);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
