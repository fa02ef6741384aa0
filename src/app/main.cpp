// SPDX-License-Identifier: GPL-3.0-or-later
// velmar: the game. `velmar --screenshot FILE [--new-game LEVEL]` starts as
// usual, optionally deals a game, saves a picture of the window and exits.
#include "ui/main_window.h"
#include "ui/quit_signals.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// The window as the screen shows it, menu bar included.
bool SaveScreenshot(velmar::TForm1& window, const QString& file) {
    window.grab().save(file, "PNG");
    return QFile::exists(file);
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
    parser.process(app);

    velmar::TForm1 window;
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
    if (!parser.isSet(screenshot)) return app.exec();

    int status = 1;
    QTimer::singleShot(0, &window, [&] {
        status = SaveScreenshot(window, parser.value(screenshot)) ? 0 : 1;
        if (status != 0) std::fprintf(stderr, "velmar: could not write the picture\n");
        app.quit();
    });
    app.exec();
    return status;
}
