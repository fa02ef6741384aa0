// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/saved_games_controller.h"

#include "game/play_session.h"
#include "storage/games_file_update.h"
#include "ui/dialogs/game_list_dialog.h"
#include "ui/dialogs/prompter.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/file_access.h"

#include <QAction>
#include <QRadioButton>

namespace velmar {

SavedGamesController::SavedGamesController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), w_(window), s_(session) {
    connect(window.action(Command::SaveBoard), &QAction::triggered, this,
            &SavedGamesController::SaveCurrentBoard);
    connect(window.action(Command::GameList), &QAction::triggered, this,
            &SavedGamesController::DisplayGameList);
}

QString SavedGamesController::GamesPath() const {
    return w_.dataFolder() + QString::fromLatin1(kGamesFileName.data(),
                                                 static_cast<qsizetype>(kGamesFileName.size()));
}

std::optional<GamesFile> SavedGamesController::LoadGames() {
    const QString path = GamesPath();
    const FileReadResult read = ReadFileText(path);
    if (read.Outcome == FileReadResult::Missing) {
        // Created empty, so the player finds the file where the games go.
        WriteFileText(path, {});
        return GamesFile();
    }
    if (read.Outcome == FileReadResult::Failed) {
        ReportFileProblem(w_, "msg_file_read_failed", path, read.Reason);
        return std::nullopt;
    }
    GamesFileRead parsed = GamesFile::Read(read.Text);
    if (!parsed.File) ReportFileProblem(w_, "msg_file_read_failed", path, parsed.Error.Describe());
    return std::move(parsed.File);
}

void SavedGamesController::SaveCurrentBoard() {
    if (!s_.gameLoaded()) return;
    std::optional<GamesFile> games = LoadGames();
    if (!games) return;
    Tfrmsave dialog(w_, s_.level(), [this, &games](const std::string& name, int level) {
        Save(std::move(*games), name, level);
    });
    dialog.exec();
}

void SavedGamesController::Save(GamesFile games, const std::string& name, int level) {
    if (games.Find(name) != 0 && !w_.prompter().askYesNo(w_.LookupText("msg_title_confirm"),
                                                         w_.LookupText("msg_frmsave_queryexits")))
        return;
    const SavedGame game = s_.CurrentSavedGame(name, level);
    // Made on the file as it is now, under its lock: another program may have
    // saved games since the dialog opened.
    const GamesFileUpdate update = UpdateGamesFile(
        GamesPath().toStdString(), [&](GamesFile& current) { return current.Replace(game); });
    if (update.Outcome == GamesFileUpdate::Damaged)
        return ReportFileProblem(w_, "msg_file_read_failed", GamesPath(), update.Error.Describe());
    // Said only once the game is really on the disk.
    if (update.Outcome == GamesFileUpdate::Failed)
        return ReportFileProblem(w_, "msg_file_write_failed", GamesPath(), update.Reason);
    if (update.Outcome != GamesFileUpdate::Changed) return;
    w_.prompter().inform(w_.LookupText("msg_title_information"),
                         w_.LookupText("msg_frmsave_saved"));
}

void SavedGamesController::DisplayGameList() {
    std::optional<GamesFile> games = LoadGames();
    if (games) ShowGameList(std::move(*games), GamesPath());
}

void SavedGamesController::ShowGameList(GamesFile games, const QString& path) {
    Tfrmgamelist list(w_, std::move(games), path);
    if (list.exec() != QDialog::Accepted || !list.chosen()) return;
    s_.OpenSavedGame(*list.chosen());
    w_.modeButton(s_.mode())->setFocus();
}

} // namespace velmar
