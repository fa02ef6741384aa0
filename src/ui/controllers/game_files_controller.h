// SPDX-License-Identifier: GPL-3.0-or-later
// The last-game and replay files: "Continue Your Last Game", "Save Replay"
// and "Load Replay", and "lastgame.dat" written whenever the step log changes
// and again when the window closes or the program is told to end, so that
// neither a close nor a kill loses a move.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <string>

namespace velmar {

class LastGameWriter;
class PlaySession;
class TForm1;

class GameFilesController : public QObject {
    Q_OBJECT

  public:
    GameFilesController(TForm1& window, PlaySession& session, QObject* parent);
    ~GameFilesController() override;

    QString LastGamePath() const;
    QString ReplayFolder() const;

    // Writes the game in play to "lastgame.dat" unless no game was started in
    // this run or it is written already: in the background after a move, at
    // once when the window closes or the program quits. A failure is told
    // once, until a write succeeds again.
    void WriteLastGame();
    void KeepLastGame();
    // A run that only takes a picture of the window leaves the player's last
    // game alone, whatever it deals.
    void LeaveLastGameAlone() { leaveAlone_ = true; }
    // Waits for the background write (for tests).
    void FinishWrites();
    // Silent whatever is wrong with the file; a damaged one changes nothing.
    void ContinueLastGame();
    void SaveReplay();
    void LoadReplay();

  private:
    // The game in play as the file's text, or "" when there is none to keep.
    std::string LastGameText() const;
    LastGameWriter& Writer();
    void Written(bool ok, const std::string& reason);

    TForm1& w_;
    PlaySession& s_;
    std::unique_ptr<LastGameWriter> writer_; // made once the data folder is known
    std::string posted_;                     // the text last handed to the writer
    bool failureTold_ = false;
    bool leaveAlone_ = false;
};

} // namespace velmar
