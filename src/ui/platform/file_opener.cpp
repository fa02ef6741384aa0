// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/file_opener.h"

#include "exchange/puzzle_file.h"
#include "game/play_session.h"
#include "history/game_file.h"
#include "storage/saved_games.h"
#include "ui/controllers/import_controller.h"
#include "ui/controllers/saved_games_controller.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/file_access.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <cstring>

namespace velmar {
namespace {

QStringList LocalFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

} // namespace

FileOpener::FileOpener(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), w_(window), s_(session) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void FileOpener::OpenFile(const QString& path) {
    const FileReadResult read = ReadFileText(path);
    if (read.Outcome != FileReadResult::Read) {
        const std::string reason = read.Reason.empty() ? std::strerror(ENOENT) : read.Reason;
        return ReportFileProblem(w_, "msg_file_read_failed", path, reason);
    }
    const GameFileRead replay = ReadGameFile(read.Text);
    if (replay.File) return s_.LoadGameFile(*replay.File, GameFileUse::LoadReplay);
    GamesFileRead games = GamesFile::Read(read.Text);
    if (games.File && !games.File->List().empty())
        return w_.savedGames()->ShowGameList(std::move(*games.File), path);
    if (const PuzzleFile puzzles = ReadPuzzleFile(read.Text); puzzles.count > 0)
        return OpenPuzzles(puzzles, {}, path);
    // The detail a menu command would give for a file of its kind.
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::string detail = w_.LookupText("msg_frm_new_invalid_format").toStdString();
    if (suffix == QLatin1String("vrp"))
        detail = replay.Error.Describe();
    else if (suffix == QLatin1String("dat") && !games.File)
        detail = games.Error.Describe();
    ReportFileProblem(w_, "msg_file_read_failed", path, detail);
}

void FileOpener::OpenPuzzleText(const QString& text, const QString& origin) {
    OpenPuzzles(ReadPuzzleFile(text.toStdString()), text, origin);
}

void FileOpener::OpenPuzzles(const PuzzleFile& puzzles, const QString& text,
                             const QString& origin) {
    if (puzzles.count > 1)
        w_.prompter().inform(w_.LookupText("msg_title_information"),
                             w_.LookupText("msg_file_puzzle_count")
                                 .replace(QStringLiteral("%1"), QDir::toNativeSeparators(origin))
                                 .replace(QStringLiteral("%2"), QString::number(puzzles.count)));
    // Text of no puzzle is refused by the import with its own message.
    w_.importer()->OpenPuzzle(puzzles.count > 0 ? QString::fromStdString(puzzles.first) : text);
}

bool FileOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &w_) return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        const QMimeData* data = drag->mimeData();
        if (!LocalFiles(*data).isEmpty() || data->hasText()) drag->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = LocalFiles(*drop->mimeData());
    const QString text = drop->mimeData()->text();
    drop->acceptProposedAction();
    // The drag ends first: the dialogs an opening may show are modal.
    QTimer::singleShot(0, this, [this, files, text] {
        if (files.isEmpty()) return OpenPuzzleText(text, {});
        for (const QString& file : files) OpenFile(file);
    });
    return true;
}

} // namespace velmar
