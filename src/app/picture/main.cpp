// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-picture: the drawing half of "velmar-cli picture". It paints a
// position line with the game's board painter on Qt's offscreen platform, so
// it needs no screen; velmar-cli runs it, so that only this command loads Qt.
#include "app/cli/board_input.h"
#include "app/cli/cli_common.h"
#include "bank/puzzle_bank.h"
#include "game/play_session.h"
#include "game/position_display.h"
#include "model/random.h"
#include "storage/settings_memory_store.h"
#include "text/relabel_rules.h"
#include "ui/board/appearance_apply.h"
#include "ui/board/board_picture.h"

#include <QGuiApplication>
#include <QPalette>

#include <iostream>
#include <string>
#include <vector>

namespace velmar::cli {

namespace {

constexpr int kMaxScale = 8;

int runPicture(const std::vector<std::string>& args) {
    const auto parsed = ParseArguments("picture", args, {"--out", "--scale"}, {});
    if (!parsed) return kUsageError;
    const std::string out = ValueOf(*parsed, "--out", "");
    if (out.empty()) return usageError("picture", "--out FILE is needed");
    const auto scale = parseDecimal(ValueOf(*parsed, "--scale", "1"), kMaxScale);
    if (!scale || *scale < 1)
        return usageError("picture",
                          "--scale takes a whole number 1.." + std::to_string(kMaxScale));
    BoardCells board;
    if (const int status = ReadOneBoard("picture", parsed->files, board); status != 0)
        return status;

    // Drawing needs a GUI application; the offscreen platform needs no display.
    // Its notes about the desktop session are no concern of a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << "velmar-cli picture: " << text.toStdString() << '\n';
    });
    int argc = 1;
    char name[] = "velmar-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    // The window's face at its standard size, as the main window sets it.
    const QFont font(QString::fromLatin1(kStandardFontFace.data(),
                                         static_cast<qsizetype>(kStandardFontFace.size())),
                     kStandardFontPointSize);
    // The game's board in its default colours, stepped to the position.
    Random random(0);
    PlaySession session(PuzzleBank::builtIn(), random);
    Settings settings;
    SetDefaultSettings(settings);
    MemorySettingsStore store;
    ApplyStoredAppearance(session, settings, store);
    ShowPosition(session, board);
    const QImage picture = BoardPanelPicture(
        session.board(), BoardPanelStyle::FromPalette(QGuiApplication::palette(), font),
        static_cast<qreal>(*scale));
    const QString file = QString::fromLocal8Bit(out.c_str());
    if (const QString error = SaveBoardPicture(picture, file); !error.isEmpty())
        return usageError("picture", "cannot write '" + out + "': " + error.toStdString());
    return 0;
}

} // namespace

} // namespace velmar::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return velmar::cli::runPicture(std::vector<std::string>(argv + 1, argv + argc));
}
