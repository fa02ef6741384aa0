// SPDX-License-Identifier: GPL-3.0-or-later
// Files handed to the window as the command line and the desktop hand them:
// each kind opened the way its menu command opens it, files and puzzle text
// dropped on the window, and files that cannot be opened refused with the
// file named and the game in play unchanged.
#include "exchange/import_or_create_model.h"
#include "exchange/puzzle_text_import.h"
#include "history/game_file.h"
#include "storage/saved_games.h"
#include "ui/dialogs/game_list_dialog.h"
#include "ui/dialogs/import_or_create_dialog.h"
#include "ui/platform/file_opener.h"
#include "ui/platform/file_text.h"
#include "ui_test_support.h"

#include <QMimeData>
#include <QTableWidget>
#include <QUrl>

using namespace velmar;
using namespace velmar::test;

namespace {

const char kPuzzle[] =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";

std::string GameInPlay(TForm1& w) {
    return WriteGameFile(w.session().CurrentGameFile());
}

// A window with a game of that level dealt, and a folder for the files.
struct DealtFixture : WindowFixture {
    QTemporaryDir dir;
    TForm1& w = *window;
    std::string dealt;

    explicit DealtFixture(int level) {
        w.NewGame(level);
        dealt = GameInPlay(w);
    }
    QString Write(const char* name, const std::string& text) const {
        const QString path = dir.filePath(QString::fromLatin1(name));
        WriteFileText(path, text);
        return path;
    }
};

// As the window system delivers a drop: entered, then dropped.
void Drop(TForm1& w, QMimeData* data) {
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&w, &drop);
    QVERIFY(drop.isAccepted());
}

// The import dialog shows the puzzle: its grid's givens, and it is closed.
void ExpectImportDialogWith(const std::string& puzzle) {
    WhenModal<Tfrm_new>([puzzle](Tfrm_new& dialog) {
        QCOMPARE(ImportedPuzzleLine(dialog.model().grid()), puzzle);
        dialog.reject();
    });
}

} // namespace

class FileOpenTest : public QObject {
    Q_OBJECT

  private slots:
    void eachKindOpensAsItsMenuCommandDoes() {
        DealtFixture f(1);
        TForm1& w = f.w;
        const std::string replay = f.dealt;
        const QString replayPath = f.Write("saved.vrp", replay);
        GamesFile games;
        QVERIFY(games.Append(w.session().CurrentSavedGame("Mine", 1)));
        const QString gamesPath = f.Write("friend.dat", games.Write());

        w.NewGame(2);
        w.fileOpener()->OpenFile(replayPath);
        QCOMPARE(GameInPlay(w), replay);

        WhenModal<Tfrmgamelist>([](Tfrmgamelist& list) {
            QCOMPARE(list.grid()->item(0, 0)->text(), QStringLiteral("Mine"));
            list.reject();
        });
        w.fileOpener()->OpenFile(gamesPath);

        // Several puzzles: the first is opened, and the count is told.
        std::string second = kPuzzle;
        second[0] = '1';
        const QString puzzles =
            f.Write("set.sdm", std::string(kPuzzle) + "\r\n" + second + "\r\n" + kPuzzle + "\r\n");
        ExpectImportDialogWith(std::string(kPuzzle));
        w.fileOpener()->OpenFile(puzzles);
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY(f.prompter.told[0].contains(QStringLiteral("holds 3 puzzles")));
        QVERIFY(f.prompter.told[0].contains(QStringLiteral("set.sdm")));
        QCOMPARE(GameInPlay(w), replay);
    }

    void aFileThatCannotBeOpenedChangesNothing() {
        DealtFixture f(1);
        TForm1& w = f.w;
        const QString damaged = f.Write("damaged.vrp", "1\r\nnot a board\r\n");
        const QString prose = f.Write("notes.txt", "Shopping: bread, milk\r\n");
        for (const QString& path :
             {damaged, prose, f.dir.filePath(QStringLiteral("missing.sdk"))}) {
            f.prompter.told.clear();
            w.fileOpener()->OpenFile(path);
            QCOMPARE(f.prompter.told.size(), 1);
            QVERIFY2(
                f.prompter.told[0].startsWith(QStringLiteral("Error|Could not read the file ") +
                                              QDir::toNativeSeparators(path)),
                qPrintable(f.prompter.told[0]));
            QCOMPARE(GameInPlay(w), f.dealt);
        }
        QVERIFY(f.prompter.told[0].contains(QStringLiteral("No such file")));
    }

    void droppedFilesAndTextOpenTheSameWay() {
        DealtFixture f(3);
        TForm1& w = f.w;
        QVERIFY(w.acceptDrops());
        const std::string replay = f.dealt;
        const QString path = f.Write("dropped.vrp", replay);
        w.NewGame(0);

        auto* files = new QMimeData;
        files->setUrls({QUrl::fromLocalFile(path)});
        Drop(w, files);
        QTRY_COMPARE(GameInPlay(w), replay);

        auto* text = new QMimeData;
        text->setText(QString::fromLatin1(kPuzzle));
        bool shown = false;
        WhenModal<Tfrm_new>([&shown](Tfrm_new& dialog) {
            QCOMPARE(ImportedPuzzleLine(dialog.model().grid()), std::string(kPuzzle));
            shown = true;
            dialog.reject();
        });
        Drop(w, text);
        QTRY_VERIFY(shown);
        QCOMPARE(GameInPlay(w), replay);
        delete files;
        delete text;
    }
};

QTEST_MAIN(FileOpenTest)
#include "file_open_test.moc"
