// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files through the window, with real clicks and keys in the real
// dialogs: the last game after every step and in the next run, replays saved
// (asking before replacing one) and loaded, saved games and the game list.
#include "history/game_file.h"
#include "history/position_line.h"
#include "storage/saved_games.h"
#include "ui/controllers/game_files_controller.h"
#include "ui/dialogs/game_list_dialog.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main_window/time_label.h"
#include "ui/platform/file_access.h"
#include "ui_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

using namespace velmar;
using namespace velmar::test;

namespace {

std::string FileText(const QString& path) {
    return ReadFileText(path).Text;
}

void ClickTool(TForm1& w, const char* name) {
    auto* button = w.findChild<QToolButton*>(QString::fromLatin1(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Places the solution digit of the next open cell by key and click.
void PlayOneMove(TForm1& w) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (w.session().cells().cell(r, c).State == kStateOpen) {
                QTest::keyClick(
                    &w, static_cast<Qt::Key>(Qt::Key_0 + w.session().model().node(r, c).Digit));
                ClickCell(w, r, c);
                return;
            }
}

// Types into the focused line edit of a dialog, replacing its text, and presses Return.
void TypeAndReturn(QWidget& dialog, const QString& text) {
    auto* edit = dialog.focusWidget() ? qobject_cast<QLineEdit*>(dialog.focusWidget()) : nullptr;
    if (!edit) edit = dialog.findChild<QLineEdit*>();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void ClickButton(QMessageBox& box, const char* text, QString* said) {
    *said = box.text();
    for (QAbstractButton* b : box.buttons())
        if (b->text() == QString::fromLatin1(text)) QTest::mouseClick(b, Qt::LeftButton);
}

std::vector<GameListRow> SavedGames(const TForm1& w) {
    const GamesFileRead read = GamesFile::Read(FileText(w.dataFolder() + "games.dat"));
    return read.File ? read.File->List() : std::vector<GameListRow>{};
}

} // namespace

class GameFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void lastGameFollowsEveryStepIntoTheNextRun() {
        WindowFixture f;
        TForm1& w = *f.window;
        const QString last = w.dataFolder() + QStringLiteral("lastgame.dat");
        // A run without a game keeps the previous run's last game.
        QVERIFY(WriteFileText(last, "previous").Ok);
        w.close();
        QCOMPARE(FileText(last), std::string("previous"));

        QVERIFY(ShowActive(w));
        ClickTool(w, "btCreateTough");
        for (int move = 0; move < 3; ++move) {
            PlayOneMove(w);
            // On the disk at once: a kill now loses nothing.
            w.gameFiles()->FinishWrites();
            QCOMPARE(FileText(last), WriteGameFile(w.session().CurrentGameFile()));
        }
        const std::vector<std::string> steps = w.session().stepLog().Entries();
        QCOMPARE(steps.size(), size_t{4});
        w.close();

        MainWindowServices services{&f.prompter, &f.store, &TestBank(), w.dataFolder()};
        TForm1 next(services);
        next.action(Command::ContinueGame)->trigger();
        QCOMPARE(next.session().stepLog().Entries(), steps);
        QVERIFY(next.clock()->timerenabled() && next.action(Command::BackStep)->isEnabled());

        // A last game that cannot be written is told once, naming the file.
        next.gameFiles()->FinishWrites();
        QVERIFY(QFile::remove(last) && QDir().mkdir(last));
        next.action(Command::FirstStep)->trigger();
        PlayOneMove(next);
        PlayOneMove(next);
        next.gameFiles()->FinishWrites();
        QTRY_COMPARE(f.prompter.told.size(), 1);
        QVERIFY2(
            f.prompter.told[0].startsWith(QStringLiteral("Error|Could not write the file ") + last),
            qPrintable(f.prompter.told[0]));
        QVERIFY(QDir().rmdir(last));

        // A damaged last game changes nothing and says nothing.
        QVERIFY(WriteFileText(last, "3 " + std::string(81, '0') + "\r\n\r\nnot a step\r\n").Ok);
        const std::vector<std::string> playing = next.session().stepLog().Entries();
        next.action(Command::ContinueGame)->trigger();
        QCOMPARE(next.session().stepLog().Entries(), playing);
        QCOMPARE(f.prompter.told.size(), 1);
    }

    void replaySavedOverOnlyAfterYesAndLoaded() {
        WindowFixture f(TestBank(), true);
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        ClickTool(w, "btCreateModerate");
        PlayOneMove(w);
        PlayOneMove(w);
        const QString folder = w.dataFolder() + QStringLiteral("replay");
        QString shownIn;
        WhenModal<QFileDialog>([&shownIn](QFileDialog& d) {
            shownIn = d.directory().absolutePath();
            TypeAndReturn(d, QStringLiteral("one"));
        });
        w.action(Command::SaveReplay)->trigger();
        QCOMPARE(shownIn, folder);
        const QString replay = folder + QStringLiteral("/one.vrp");
        const std::string saved = WriteGameFile(w.session().CurrentGameFile());
        QCOMPARE(FileText(replay), saved);

        // Over an existing file: asked in a real box; No leaves it as it was.
        PlayOneMove(w);
        QString asked;
        WhenModal<QFileDialog>([&asked](QFileDialog& d) {
            WhenModal<QMessageBox>([&asked](QMessageBox& box) { ClickButton(box, "&No", &asked); });
            TypeAndReturn(d, QStringLiteral("one.vrp"));
        });
        w.action(Command::SaveReplay)->trigger();
        QCOMPARE(asked, QStringLiteral("This File name already exits,OK to overwrite it?"));
        QCOMPARE(FileText(replay), saved);

        ClickTool(w, "btCreateGentle");
        WhenModal<QFileDialog>([](QFileDialog& d) { TypeAndReturn(d, QStringLiteral("one.vrp")); });
        w.action(Command::LoadReplay)->trigger();
        QCOMPARE(WriteGameFile(w.session().CurrentGameFile()), saved);
        QVERIFY(w.action(Command::BackStep)->isEnabled() &&
                w.action(Command::FirstStep)->isEnabled());
        QVERIFY(!w.clock()->timerenabled());

        // A damaged replay: one message naming the file and the line; the game stays.
        QVERIFY(WriteFileText(folder + "/bad.vrp", saved.substr(0, saved.size() - 5) + "x\r\n").Ok);
        QString said;
        WhenModal<QFileDialog>([&said](QFileDialog& d) {
            WhenModal<QMessageBox>([&said](QMessageBox& box) { ClickButton(box, "OK", &said); });
            TypeAndReturn(d, QStringLiteral("bad.vrp"));
        });
        w.action(Command::LoadReplay)->trigger();
        QVERIFY2(said.contains(QStringLiteral("bad.vrp")) &&
                     said.contains(QStringLiteral("line 5")),
                 qPrintable(said));
        QCOMPARE(WriteGameFile(w.session().CurrentGameFile()), saved);
    }

    void namesWithLineBreaksOrTabsAreRefused() {
        WindowFixture f;
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        ClickTool(w, "btCreateTough");
        PlayOneMove(w);
        WhenModal<Tfrmsave>([](Tfrmsave& d) {
            for (const char* bad : {"a\tb", "a\nb", "a\r\nb"}) {
                d.nameEdit()->setText(QString::fromLatin1(bad));
                QTest::mouseClick(d.okButton(), Qt::LeftButton);
                QVERIFY(d.isVisible());
            }
            d.nameEdit()->setText(QStringLiteral("Good"));
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        ClickTool(w, "btsave");
        QCOMPARE(f.prompter.warned.size(), 3);
        QVERIFY(f.prompter.warned[0].contains(QStringLiteral("line break or a tab")));
        QCOMPARE(SavedGames(w), (std::vector<GameListRow>{{"Good", 3}}));
        WhenModal<Tfrmgamelist>([&](Tfrmgamelist& list) {
            QTableWidget* grid = list.grid();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(0, 0)).center());
            WhenModal<QInputDialog>([](QInputDialog& prompt) {
                WhenModal<QInputDialog>([](QInputDialog& again) {
                    again.setTextValue(QStringLiteral("Fine"));
                    again.accept();
                });
                prompt.setTextValue(QStringLiteral("x\ty"));
                prompt.accept();
            });
            QTest::mouseClick(list.renameButton(), Qt::LeftButton);
            list.reject();
        });
        ClickTool(w, "btDisplayYourGameList");
        QCOMPARE(f.prompter.warned.size(), 4);
        QCOMPARE(SavedGames(w), (std::vector<GameListRow>{{"Fine", 3}}));
    }

    void savedGamesThroughTheSaveDialogAndTheList() {
        WindowFixture f;
        TForm1& w = *f.window;
        QVERIFY(ShowActive(w));
        ClickTool(w, "btCreateTough");
        auto save = [&w](const QString& name) {
            WhenModal<Tfrmsave>([name](Tfrmsave& d) {
                QVERIFY(d.nameEdit()->text() == "New Game" && d.levelButton(3)->isChecked());
                d.nameEdit()->selectAll();
                QTest::keyClicks(d.nameEdit(), name);
                QTest::mouseClick(d.okButton(), Qt::LeftButton);
            });
            ClickTool(w, "btsave");
        };
        PlayOneMove(w);
        save(QStringLiteral("Alpha"));
        QCOMPARE(f.prompter.told, QStringList{QStringLiteral("Information|Game has been saved")});
        PlayOneMove(w);
        save(QStringLiteral("alpha")); // another name: letter case counts
        const std::string beta = WritePositionLine(w.session().cells());
        f.prompter.answer = false;
        save(QStringLiteral("Alpha"));
        QCOMPARE(SavedGames(w), (std::vector<GameListRow>{{"Alpha", 3}, {"alpha", 3}}));
        f.prompter.answer = true;
        save(QStringLiteral("Alpha"));
        QCOMPARE(SavedGames(w), (std::vector<GameListRow>{{"alpha", 3}, {"Alpha", 3}}));

        ClickTool(w, "btCreateGentle");
        f.prompter.told.clear();
        WhenModal<Tfrmgamelist>([&](Tfrmgamelist& list) {
            QTableWidget* grid = list.grid();
            QVERIFY(grid->columnWidth(0) == 217 && grid->columnWidth(1) == 116);
            QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Tough"));
            // Rename "alpha": "Alpha" is taken, so it asks again.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(0, 1)).center());
            WhenModal<QInputDialog>([](QInputDialog& prompt) {
                QCOMPARE(prompt.textValue(), QStringLiteral("alpha"));
                WhenModal<QInputDialog>(
                    [](QInputDialog& again) { TypeAndReturn(again, QStringLiteral("Beta")); });
                TypeAndReturn(prompt, QStringLiteral("Alpha"));
            });
            QTest::mouseClick(list.renameButton(), Qt::LeftButton);
            QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Beta"));
            // Delete the renamed one, then open the other with a double click.
            QTest::mouseClick(list.deleteButton(), Qt::LeftButton);
            QCOMPARE(grid->rowCount(), 1);
            const QPoint alpha = grid->visualItemRect(grid->item(0, 0)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, alpha);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, alpha);
        });
        ClickTool(w, "btDisplayYourGameList");
        QCOMPARE(f.prompter.told,
                 QStringList{QStringLiteral("Warning|This Game board name already exits")});
        QCOMPARE(f.prompter.asked.last(), QStringLiteral("Confirm|OK to delete it?"));
        QCOMPARE(SavedGames(w), (std::vector<GameListRow>{{"Alpha", 3}}));
        QCOMPARE(WritePositionLine(w.session().cells()), beta);
        QCOMPARE(w.session().level(), 3);

        // Deleting the only game leaves one empty row; OK then opens nothing.
        PlayOneMove(w);
        const std::vector<std::string> steps = w.session().stepLog().Entries();
        WhenModal<Tfrmgamelist>([](Tfrmgamelist& list) {
            QTest::mouseClick(list.deleteButton(), Qt::LeftButton);
            QCOMPARE(list.grid()->rowCount(), 1);
            QVERIFY(!list.grid()->item(0, 0));
            QTest::mouseClick(list.okButton(), Qt::LeftButton);
        });
        w.action(Command::GameList)->trigger();
        QVERIFY(SavedGames(w).empty());
        QCOMPARE(w.session().stepLog().Entries(), steps);
        f.prompter.told.clear();

        // A save that cannot be written says so, not "saved", and the file stays whole.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        save(QStringLiteral("Gamma"));
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY2(f.prompter.told[0].startsWith(QStringLiteral("Error|Could not write the file ")),
                 qPrintable(f.prompter.told[0]));
        QVERIFY(SavedGames(w).empty());

        // A damaged file: one message naming it and its line, and no list.
        QVERIFY(WriteFileText(w.dataFolder() + "games.dat", "Name=x\r\n9 \r\n").Ok);
        f.prompter.told.clear();
        w.action(Command::GameList)->trigger();
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY2(f.prompter.told[0].contains(QStringLiteral("games.dat")) &&
                     f.prompter.told[0].contains(QStringLiteral("line 2")),
                 qPrintable(f.prompter.told[0]));
    }
};

QTEST_MAIN(GameFilesTest)
#include "game_files_test.moc"
