// SPDX-License-Identifier: GPL-3.0-or-later
// The board leaving the game through the window: the copy dialog (its
// opening fills the board, its formats, the clipboard), the print dialog
// (the page in the temporary folder, printed twice, a folder that cannot be
// written) and the picture (what the name asks for, cancel, a write error,
// the same pixels as the screen and as velmar-cli).
#include "exchange/printable_page.h"
#include "history/position_line.h"
#include "ui/board/board_picture.h"
#include "ui/controllers/export_controller.h"
#include "ui/dialogs/copy_dialog.h"
#include "ui/dialogs/print_dialog.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <functional>

using namespace velmar;
using namespace velmar::test;

namespace {

// Clicks the window's tool button and runs `inDialog` once the dialog it
// opens is up.
void ClickToolButton(TForm1& w, const char* name, std::function<void()> inDialog = {}) {
    // A failed check leaves the lambda early: the dialog is closed anyway.
    if (inDialog)
        QTimer::singleShot(0, &w, [inDialog] {
            inDialog();
            if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                open->reject();
        });
    auto* button = w.findChild<QToolButton*>(QString::fromLatin1(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A radio button takes clicks on its circle and its text only.
void ClickRadio(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A game with one placed digit and one open cell given candidates by hand.
void PlayALittle(TForm1& w) {
    w.NewGame(1);
    PlaySession& s = w.session();
    for (int i = 0; i < 81; ++i)
        if (s.cells().at(i).State == kStateOpen) {
            s.DigitKey(s.model().node(i / 9 + 1, i % 9 + 1).Digit);
            s.CellClick(i / 9 + 1, i % 9 + 1, MouseButton::Left);
            break;
        }
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void copyFillsTheBoardAndCopiesEachFormat() {
        WindowFixture f;
        TForm1& w = *f.window;
        PlayALittle(w);
        const size_t steps = w.session().stepLog().Entries().size();
        Tfrmcopy* dialog = w.exporter()->copyDialog();
        QString withCandidates;
        ClickToolButton(w, "btcopy", [&] {
            QVERIFY(dialog->isVisible());
            QCOMPARE(
                dialog->windowTitle(),
                QStringLiteral("Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)"));
            QVERIFY(dialog->formatButton(ClipboardFormat::NoCandidate)->isChecked());
            QCOMPARE(dialog->view()->toPlainText().split(QLatin1Char('\n')).size(), 13);
            ClickRadio(dialog->formatButton(ClipboardFormat::WithCandidates));
            QVERIFY(dialog->blankBox()->isHidden() && dialog->blankLabel()->isHidden());
            withCandidates = dialog->text();
            ClickRadio(dialog->formatButton(ClipboardFormat::NineByNine));
            QVERIFY(dialog->blankBox()->isVisible());
            dialog->blankBox()->lineEdit()->selectAll();
            QTest::keyClicks(dialog->blankBox()->lineEdit(), QStringLiteral("?"));
            QTest::mouseClick(dialog->copyButton(), Qt::LeftButton);
        });
        QVERIFY(!dialog->isVisible());
        // The opening filled the main board and made it one more step.
        QCOMPARE(w.session().stepLog().Entries().size(), steps + 1);
        for (int i = 0; i < 81; ++i) QVERIFY(!w.session().cells().at(i).Text.empty());
        QCOMPARE(withCandidates.toStdString(),
                 JoinLines(RenderWithCandidates(w.session().cells()), "\n"));
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 JoinLines(RenderNineByNine(w.session().cells(), "?"), "\n"));

        // The next opening starts on "No Candidate" and keeps the blank box.
        ClickToolButton(w, "btcopy", [&] {
            QVERIFY(dialog->formatButton(ClipboardFormat::NoCandidate)->isChecked());
            QCOMPARE(dialog->blankBox()->currentText(), QStringLiteral("?"));
            QCOMPARE(dialog->text().toStdString(),
                     JoinLines(RenderNoCandidate(w.session().cells(), "?"), "\n"));
            QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        });
        QCOMPARE(w.session().stepLog().Entries().size(), steps + 1);
    }

    void printWritesThePageInTheTemporaryFolderEachTime() {
        WindowFixture f;
        TForm1& w = *f.window;
        PlayALittle(w);
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        QList<QUrl> opened;
        w.exporter()->openPage = [&](const QUrl& url) {
            opened << url;
            return false; // no viewer: the message names the page
        };
        const QString page = temp.filePath(QStringLiteral("print_temp.htm"));
        const auto expected = [&](PrintStyle style, PaperSize size) {
            const StringTable& t = w.ActiveTable();
            return QByteArray::fromStdString(PrintablePageText(
                w.session().cells(), style, size, t.LookupText("frmprintselect.sudoku"),
                t.LookupText("frmprintselect.sudokuby")));
        };
        Tfrmprintselect* dialog = w.exporter()->printDialog();
        ClickToolButton(w, "btprintableBoard", [&] {
            QVERIFY(dialog->styleButton(PrintStyle::Normal)->isChecked());
            QVERIFY(dialog->sizeButton(PaperSize::Small)->isChecked());
            ClickRadio(dialog->styleButton(PrintStyle::WithCandidates));
            ClickRadio(dialog->sizeButton(PaperSize::Big));
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QCOMPARE(ReadAll(page), expected(PrintStyle::WithCandidates, PaperSize::Big));
            // OK leaves the dialog open; the second page replaces the first.
            QVERIFY(dialog->isVisible());
            ClickRadio(dialog->styleButton(PrintStyle::Normal));
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QCOMPARE(ReadAll(page), expected(PrintStyle::Normal, PaperSize::Big));
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        });
        QVERIFY(!dialog->isVisible());
        QCOMPARE(opened, QList<QUrl>(2, QUrl::fromLocalFile(page)));
        QCOMPARE(f.prompter.warned.size(), 2);
        QVERIFY(f.prompter.warned.at(0).startsWith(QStringLiteral("warning|Warning|")));
        QVERIFY(f.prompter.warned.at(0).contains(QDir::toNativeSeparators(page)));

        // A page that cannot be written is said, and no old page is opened.
        QFile::remove(page);
        QVERIFY(QDir(temp.path()).mkdir(QStringLiteral("print_temp.htm")));
        QVERIFY(w.exporter()->PrintPage(PrintStyle::Normal, PaperSize::Small).isEmpty());
        qunsetenv("TMPDIR");
        QCOMPARE(opened.size(), 2);
        QCOMPARE(f.prompter.told.size(), 3);
        QVERIFY(f.prompter.warned[2].startsWith(QStringLiteral("critical|Error|")));
        QVERIFY(f.prompter.told[2].contains(page));
    }

    void pictureFormatFollowsTheName() {
        WindowFixture f;
        TForm1& w = *f.window;
        PlayALittle(w);
        QTemporaryDir dir;
        QString next;
        w.exporter()->choosePictureFile = [&] { return next; };
        const auto save = [&](const QString& name) {
            next = name.isEmpty() ? name : dir.filePath(name);
            ClickToolButton(w, "btsavepic");
            return ReadAll(next);
        };
        QImage jpeg;
        QVERIFY(jpeg.loadFromData(save(QStringLiteral("board.jpg")), "JPEG"));
        QCOMPARE(jpeg.size(), kBoardPanelSize * w.board()->devicePixelRatio());
        QVERIFY(save(QStringLiteral("board.JPG")).startsWith("\xFF\xD8"));
        QVERIFY(save(QStringLiteral("board.jpeg")).startsWith("\xFF\xD8"));
        QVERIFY(save(QStringLiteral("board.bmp")).startsWith("BM"));
        QVERIFY(save(QStringLiteral("board.PNG")).startsWith("\x89PNG"));
        const int files = QDir(dir.path()).entryList(QDir::Files).size();
        save(QString()); // cancelled
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files);
        QVERIFY(f.prompter.told.isEmpty());

        save(QStringLiteral("no/such/folder/board.png"));
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY(
            f.prompter.told[0].contains(dir.filePath(QStringLiteral("no/such/folder/board.png"))));
    }

    // The picture is the panel as the screen shows it, and velmar-cli draws
    // the same for the position the window stepped to.
    void pictureMatchesTheScreenAndTheCommandLine() {
        WindowFixture f;
        TForm1& w = *f.window;
        PlayALittle(w);
        w.session().ChooseMode(OperationMode::AllCandidates);
        QVERIFY(ShowActive(w));
        QWidget* panel = w.board()->parentWidget();
        const QImage shown = panel->grab().toImage().convertToFormat(QImage::Format_RGB888);
        const QImage picture = BoardPanelPicture(
            w.session().board(), BoardPanelStyle::FromPalette(panel->palette(), panel->font()),
            w.board()->devicePixelRatioF());
        QCOMPARE(picture.convertToFormat(QImage::Format_RGB888), shown);

        QTemporaryDir dir;
        const QString cliPicture = dir.filePath(QStringLiteral("cli.png"));
        QProcess cli;
        const int scale = qRound(w.board()->devicePixelRatioF());
        cli.start(qEnvironmentVariable("VELMAR_CLI"),
                  {QStringLiteral("picture"), QStringLiteral("--out"), cliPicture,
                   QStringLiteral("--scale"), QString::number(scale)});
        QVERIFY(cli.waitForStarted());
        cli.write(QByteArray::fromStdString(WritePositionLine(w.session().cells()) + "\n"));
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        // Stepping to the position, digit 1 selected as in a fresh game.
        w.session().SelectDigit(1);
        w.session().RecordStep();
        w.session().GoStep(StepMove::Last);
        QCoreApplication::processEvents();
        const QImage stepped = panel->grab().toImage().convertToFormat(QImage::Format_RGB888);
        QImage drawn = QImage(cliPicture).convertToFormat(QImage::Format_RGB888);
        drawn.setDevicePixelRatio(stepped.devicePixelRatio());
        QCOMPARE(drawn, stepped);
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
