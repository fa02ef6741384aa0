// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/export_controller.h"

#include "ui/board/board_picture.h"
#include "ui/board/board_widget.h"
#include "ui/dialogs/copy_dialog.h"
#include "ui/dialogs/print_dialog.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/file_access.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

namespace velmar {

namespace {

// A filter of the table ("text|pattern|text|pattern...") as the file
// dialog's name filters and the suffix each one stands for.
struct FileFilters {
    QStringList names;
    QStringList suffixes;
};

FileFilters ParseFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    FileFilters out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        out.names << parts[i];
        const QString pattern = parts[i + 1];
        const qsizetype dot = pattern.lastIndexOf(QLatin1Char('.'));
        out.suffixes << (dot < 0 ? QString() : pattern.mid(dot + 1));
    }
    return out;
}

} // namespace

ExportController::ExportController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), window_(window), session_(session), frmcopy_(new Tfrmcopy(&window)),
      frmprintselect_(new Tfrmprintselect(&window)) {
    openPage = [](const QUrl& page) { return QDesktopServices::openUrl(page); };
    choosePictureFile = [this] { return AskPictureFile(); };
    connect(window.action(Command::CopyPuzzle), &QAction::triggered, this,
            &ExportController::CopyPuzzle);
    connect(window.action(Command::PrintableBoard), &QAction::triggered, this,
            &ExportController::PrintableBoard);
    connect(window.action(Command::SavePicture), &QAction::triggered, this,
            &ExportController::SavePicture);
    connect(frmprintselect_, &Tfrmprintselect::printRequested, this,
            [this](PrintStyle style, PaperSize size) { PrintPage(style, size); });
}

void ExportController::CopyPuzzle() {
    if (!session_.gameLoaded()) return;
    // The empty cells get their candidates on the main board itself.
    session_.FillBeforeCopy();
    frmcopy_->Relabel(window_.ActiveTable());
    window_.ApplyStandardFont(frmcopy_);
    frmcopy_->Open(session_.cells());
    frmcopy_->exec();
}

void ExportController::PrintableBoard() {
    if (!session_.gameLoaded()) return;
    frmprintselect_->Relabel(window_.ActiveTable(), QString::fromUtf8(kApplicationTitle));
    window_.ApplyStandardFont(frmprintselect_);
    frmprintselect_->exec();
}

QString ExportController::PrintPage(PrintStyle style, PaperSize size) {
    const StringTable& texts = window_.ActiveTable();
    const std::string page =
        PrintablePageText(session_.cells(), style, size, texts.LookupText("frmprintselect.sudoku"),
                          texts.LookupText("frmprintselect.sudokuby"));
    const QString path =
        QDir(QDir::tempPath())
            .filePath(QString::fromLatin1(kPrintPageFileName.data(), kPrintPageFileName.size()));
    if (const FileWriteResult written = WriteFileText(path, page); !written.Ok) {
        // An old page must not be opened as if it were this board.
        ReportFileProblem(window_, "msg_file_write_failed", path, written.Reason);
        return {};
    }
    // Without a browser or a launcher the page still is on the disk: say where.
    if (!openPage(QUrl::fromLocalFile(path)))
        window_.prompter().warn(Severity::Warning, window_.LookupText("msg_title_warning"),
                                window_.LookupText("msg_print_not_opened")
                                    .replace(QStringLiteral("%1"), QDir::toNativeSeparators(path)));
    return path;
}

void ExportController::SavePicture() {
    if (!session_.gameLoaded()) return;
    // The panel as it is now, before the file dialog covers it.
    const QWidget* panel = window_.board()->parentWidget();
    const QImage picture = BoardPanelPicture(
        session_.board(), BoardPanelStyle::FromPalette(panel->palette(), panel->font()),
        window_.board()->devicePixelRatioF());
    const QString name = choosePictureFile();
    if (name.isEmpty()) return;
    const QString error = SaveBoardPicture(picture, name);
    if (!error.isEmpty())
        ReportFileProblem(window_, "msg_file_write_failed", name, error.toStdString());
}

QString ExportController::AskPictureFile() {
    const FileFilters filters = ParseFilters(window_.LookupText("msg_savepic_filter"));
    QFileDialog dialog(&window_, window_.LookupText("btsavepic.hint"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters.names);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    // A name typed without an ending takes the chosen kind's.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
        const qsizetype i = filters.names.indexOf(chosen);
        if (i >= 0 && !filters.suffixes[i].isEmpty()) dialog.setDefaultSuffix(filters.suffixes[i]);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace velmar
