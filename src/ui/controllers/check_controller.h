// SPDX-License-Identifier: GPL-3.0-or-later
// The tools around play: "Check Error", "Show Solution" with its two viewers,
// and "Restart".
#pragma once

#include <QObject>

namespace velmar {

class PlaySession;
class TForm1;

class CheckController : public QObject {
    Q_OBJECT

  public:
    CheckController(TForm1& window, PlaySession& session, QObject* parent);

    void ShowSolution();

  private:
    TForm1& window_;
    PlaySession& session_;
};

} // namespace velmar
