// SPDX-License-Identifier: GPL-3.0-or-later
// Files handed to the game from outside: named on the command line, passed
// on by a second start, or dropped on the window. A replay (or last-game)
// file is loaded, a saved-games file shows its game list, a puzzle text
// file opens the import-or-create dialog with its first puzzle. A file that
// cannot be read or is none of these gets the menu commands' error message,
// naming it, and the game in play stays as it was. Dropped text is taken as
// puzzle text.
#pragma once

#include <QObject>
#include <QString>

namespace velmar {

struct PuzzleFile;
class PlaySession;
class TForm1;

class FileOpener : public QObject {
    Q_OBJECT

  public:
    FileOpener(TForm1& window, PlaySession& session, QObject* parent);

    void OpenFile(const QString& path);
    // Puzzle text; origin names the file it came from, empty for a drop.
    void OpenPuzzleText(const QString& text, const QString& origin);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Puzzles already read from `text`, which the import gets when none is there.
    void OpenPuzzles(const PuzzleFile& puzzles, const QString& text, const QString& origin);

    TForm1& w_;
    PlaySession& s_;
};

} // namespace velmar
