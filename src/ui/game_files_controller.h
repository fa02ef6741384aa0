// SPDX-License-Identifier: GPL-3.0-or-later
// The last-game and replay files: "Continue Your Last Game", "Save Replay"
// and "Load Replay", and "lastgame.dat" written whenever the step log changes
// and again when the window closes or the program is told to end, so that
// neither a close nor a kill loses a move.
#pragma once

#include <QObject>
#include <QString>

#include <string>

namespace velmar {

class PlaySession;
class TForm1;

class GameFilesController : public QObject {
    Q_OBJECT

  public:
    GameFilesController(TForm1& window, PlaySession& session, QObject* parent);

    QString LastGamePath() const;
    QString ReplayFolder() const;

    // Writes the game in play to "lastgame.dat" unless no game was started in
    // this run or the file already holds it. A failure is told once, until a
    // write succeeds again.
    void WriteLastGame();
    // Silent whatever is wrong with the file; a damaged one changes nothing.
    void ContinueLastGame();
    void SaveReplay();
    void LoadReplay();

  private:
    TForm1& w_;
    PlaySession& s_;
    std::string written_; // what "lastgame.dat" holds since this run wrote it
    bool failureTold_ = false;
};

} // namespace velmar
