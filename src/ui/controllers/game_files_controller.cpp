// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/game_files_controller.h"

#include "game/play_session.h"
#include "history/game_file.h"
#include "ui/controllers/last_game_writer.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/file_access.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

namespace velmar {

namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A replay file dialog in the replay folder; the chosen path, or "" when
// cancelled.
QString ChooseReplay(TForm1& window, Command command, const QString& folder, bool saving) {
    QFileDialog dialog(&window, window.action(command)->iconText(), folder, Latin1(kReplayFilters));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(Latin1(kReplaySuffix));
    // The game asks its own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

GameFilesController::GameFilesController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), w_(window), s_(session) {
    connect(window.action(Command::ContinueGame), &QAction::triggered, this,
            &GameFilesController::ContinueLastGame);
    connect(window.action(Command::SaveReplay), &QAction::triggered, this,
            &GameFilesController::SaveReplay);
    connect(window.action(Command::LoadReplay), &QAction::triggered, this,
            &GameFilesController::LoadReplay);
    window.history.writeLastGame = [this] { KeepLastGame(); };
    window.history.logChanged = [this] { WriteLastGame(); };
    // Quitting (a termination signal, logging out) writes it as a close does.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GameFilesController::KeepLastGame);
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, &GameFilesController::KeepLastGame);
}

GameFilesController::~GameFilesController() = default;

QString GameFilesController::LastGamePath() const {
    return w_.dataFolder() + Latin1(kLastGameFileName);
}

QString GameFilesController::ReplayFolder() const {
    return w_.dataFolder() + Latin1(kReplayFolderName);
}

std::string GameFilesController::LastGameText() const {
    return s_.HasGameToSave() && !leaveAlone_ ? WriteGameFile(s_.CurrentGameFile()) : std::string();
}

LastGameWriter& GameFilesController::Writer() {
    if (!writer_) {
        writer_ = std::make_unique<LastGameWriter>(LastGamePath());
        connect(writer_.get(), &LastGameWriter::Written, this,
                [this](bool ok, const QString& reason) { Written(ok, reason.toStdString()); });
    }
    return *writer_;
}

void GameFilesController::WriteLastGame() {
    std::string text = LastGameText();
    if (text.empty() || text == posted_) return;
    posted_ = text;
    Writer().Post(std::move(text));
}

void GameFilesController::KeepLastGame() {
    const std::string text = LastGameText();
    if (text.empty() || (text == posted_ && Writer().LastWriteOk())) return;
    posted_ = text;
    const FileWriteResult result = Writer().WriteNow(text);
    Written(result.Ok, result.Reason);
}

void GameFilesController::FinishWrites() {
    if (writer_) writer_->Finish();
}

void GameFilesController::Written(bool ok, const std::string& reason) {
    if (ok) failureTold_ = false;
    if (ok || failureTold_) return;
    failureTold_ = true;
    ReportFileProblem(w_, "msg_file_write_failed", LastGamePath(), reason);
}

void GameFilesController::ContinueLastGame() {
    const FileReadResult read = ReadFileText(LastGamePath());
    if (read.Outcome != FileReadResult::Read) return;
    const GameFileRead parsed = ReadGameFile(read.Text);
    if (!parsed.File) return;
    s_.LoadGameFile(*parsed.File, GameFileUse::ContinueLastGame);
}

void GameFilesController::SaveReplay() {
    if (!s_.HasGameToSave()) return;
    const QString path = ChooseReplay(w_, Command::SaveReplay, ReplayFolder(), true);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && !w_.prompter().askYesNo(w_.LookupText("msg_title_confirm"),
                                                           w_.LookupText("msg_frmstep_queryexits")))
        return;
    const FileWriteResult result = WriteFileText(path, WriteGameFile(s_.CurrentGameFile()));
    if (!result.Ok) ReportFileProblem(w_, "msg_file_write_failed", path, result.Reason);
}

void GameFilesController::LoadReplay() {
    const QString path = ChooseReplay(w_, Command::LoadReplay, ReplayFolder(), false);
    if (path.isEmpty()) return;
    const FileReadResult read = ReadFileText(path);
    if (read.Outcome != FileReadResult::Read) {
        ReportFileProblem(w_, "msg_file_read_failed", path, read.Reason);
        return;
    }
    const GameFileRead parsed = ReadGameFile(read.Text);
    if (!parsed.File) {
        ReportFileProblem(w_, "msg_file_read_failed", path, parsed.Error.Describe());
        return;
    }
    s_.LoadGameFile(*parsed.File, GameFileUse::LoadReplay);
}

} // namespace velmar
