// SPDX-License-Identifier: GPL-3.0-or-later
// velmar-cli picture: a position line as the board picture the game saves,
// drawn by the game's board painter on Qt's offscreen platform, so it needs
// no screen. Only this command links QtGui.
#include "app/cli/board_input.h"
#include "app/cli/command_lists.h"
#include "bank/puzzle_bank.h"
#include "game/play_session.h"
#include "game/position_display.h"
#include "model/random.h"
#include "storage/settings_memory_store.h"
#include "text/relabel_rules.h"
#include "ui/appearance_apply.h"
#include "ui/board_picture.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstdlib>
#include <iostream>

namespace velmar::cli {

namespace {

constexpr int kMaxScale = 8;

int runPicture(const std::vector<std::string>& args) {
    const auto parsed = ParseArguments("picture", args, {"--out", "--scale"}, {});
    if (!parsed) return kUsageError;
    const std::string out = ValueOf(*parsed, "--out", "");
    if (out.empty()) return usageError("picture", "--out FILE is needed");
    const std::string scaleText = ValueOf(*parsed, "--scale", "1");
    char* end = nullptr;
    const long scale = std::strtol(scaleText.c_str(), &end, 10);
    if (scaleText.empty() || *end != '\0' || scale < 1 || scale > kMaxScale)
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
        static_cast<qreal>(scale));
    const QString file = QString::fromLocal8Bit(out.c_str());
    if (const QString error = SaveBoardPicture(picture, file); !error.isEmpty()) {
        std::cerr << "velmar-cli picture: cannot write '" << out << "': " << error.toStdString()
                  << '\n';
        return 1;
    }
    return 0;
}

} // namespace

std::vector<Command> pictureCommands() {
    return {
        {"picture", "a position line as the board picture the game saves",
         "Usage: velmar-cli picture --out FILE [--scale N] [FILE...]\n"
         "\n"
         "Reads one position line and writes the board panel (the board with its row\n"
         "letters and column digits) as the game's \"Save as picture\" draws it after\n"
         "stepping to the position, in the default colours. The format follows the name: a name "
         "ending in\n"
         "\"jpg\" (lower case) gets JPEG, one ending in \".png\" PNG, any other BMP. It\n"
         "needs no screen. Blank lines are skipped; no position line, a second one or\n"
         "an invalid one gives a message and exit status 2; a file that cannot be\n"
         "written, exit status 1.\n"
         "\n"
         "  --out FILE  the picture to write (replaced whole)\n"
         "  --scale N   pixels per point, 1 (the default) to 8: 2 draws as a\n"
         "              screen with device pixel ratio 2 shows the board\n",
         runPicture},
    };
}

} // namespace velmar::cli
