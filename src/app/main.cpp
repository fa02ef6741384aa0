// SPDX-License-Identifier: GPL-3.0-or-later
// velmar: the game. `velmar [FILE...]` starts it, or brings the game already
// running to the front, and opens the files named (replays, saved-games
// files, puzzle text). `velmar --screenshot FILE [--new-game LEVEL]` starts
// as usual, optionally deals a game, saves a picture of the window and exits.
#include "ui/controllers/game_files_controller.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/quit_signals.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/file_opener.h"
#include "ui/platform/file_text.h"
#include "ui/platform/single_instance.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// Saves the window as the screen shows it, menu bar included, as a PNG file.
// A regular file is written to a temporary file that replaces it only when
// whole, so a failed save leaves no truncated picture; a device or pipe
// (/dev/stdout) is written directly. Returns the reason of a failure, or
// nothing.
std::optional<QString> SaveScreenshot(velmar::TForm1& window, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().save(&buffer, "PNG")) return QStringLiteral("the picture cannot be encoded");

    const QFileInfo target(path);
    if (!target.exists() || target.isFile() || target.isDir()) {
        const velmar::FileWriteResult written =
            velmar::WriteFileText(path, std::string_view(png.constData(), png.size()));
        if (!written.Ok) return QString::fromStdString(written.Reason);
        return std::nullopt;
    }
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly)) return device.errorString();
    errno = 0;
    if (device.write(png) != png.size() || !device.flush()) {
        // The system's reason says more than the file's ("Unknown error").
        const int cause = errno;
        return cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : device.errorString();
    }
    return std::nullopt;
}

// The window to the front with the files of a later start opened in it, once
// the event loop runs (opening may ask or tell in a modal box).
void OpenFilesLater(velmar::TForm1& window, const QStringList& files) {
    QTimer::singleShot(0, &window, [&window, files] {
        if (window.isMinimized()) window.showNormal();
        window.raise();
        window.activateWindow();
        for (const QString& file : files) window.fileOpener()->OpenFile(file);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmar"));
    QApplication::setApplicationVersion(QStringLiteral("5.0"));
    // Names the installed desktop entry, so Wayland shows its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Velmar"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    velmar::QuitOnTerminationSignals();

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption newGame(QStringLiteral("new-game"),
                                     QStringLiteral("Deal a game of LEVEL 0..4 first."),
                                     QStringLiteral("LEVEL"));
    parser.addOption(screenshot);
    parser.addOption(newGame);
    parser.addPositionalArgument(
        QStringLiteral("files"),
        QStringLiteral("Replay, saved-games or puzzle text files to open."),
        QStringLiteral("[FILE...]"));
    parser.process(app);
    QStringList files;
    for (const QString& file : parser.positionalArguments())
        files << QDir::current().absoluteFilePath(file);

    // A picture run is a game of its own; any other start defers to a game
    // already running on the same data folder.
    std::unique_ptr<velmar::SingleInstance> instance;
    if (!parser.isSet(screenshot)) {
        instance = std::make_unique<velmar::SingleInstance>(velmar::DataFolder());
        if (instance->HandToRunningGame(files)) return 0;
    }

    // The start-up makes the data folder the working directory: a relative
    // picture name means the directory the program was started in.
    const QString shotPath = parser.isSet(screenshot)
                                 ? QDir::current().absoluteFilePath(parser.value(screenshot))
                                 : QString();

    velmar::TForm1 window;
    if (parser.isSet(screenshot)) window.gameFiles()->LeaveLastGameAlone();
    if (parser.isSet(newGame)) {
        bool ok = false;
        const int level = parser.value(newGame).toInt(&ok);
        if (!ok || level < 0 || level > 4) {
            std::fprintf(stderr, "velmar: --new-game takes a level 0..4\n");
            return 2;
        }
        window.NewGame(level);
    }
    // Centred on the screen at start.
    window.show();
    if (QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    if (!parser.isSet(screenshot)) {
        QObject::connect(instance.get(), &velmar::SingleInstance::Activated, &window,
                         [&window](const QStringList& later) { OpenFilesLater(window, later); });
        if (!files.isEmpty()) OpenFilesLater(window, files);
        return app.exec();
    }

    int status = 1;
    QTimer::singleShot(0, &window, [&] {
        const std::optional<QString> failure = SaveScreenshot(window, shotPath);
        status = failure ? 1 : 0;
        if (failure)
            std::fprintf(stderr, "velmar: could not write the picture %s: %s\n",
                         qPrintable(QDir::toNativeSeparators(shotPath)), qPrintable(*failure));
        app.quit();
    });
    app.exec();
    return status;
}
