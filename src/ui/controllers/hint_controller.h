// SPDX-License-Identifier: GPL-3.0-or-later
// "Show hint" (its tool button and the H key) opens the hint dialog on the
// game in play; without a game it does nothing.
#pragma once

#include <QObject>

namespace velmar {

class PlaySession;
class TForm1;
class Tfrmsolover;

class HintController : public QObject {
    Q_OBJECT

  public:
    HintController(TForm1& window, PlaySession& session, QObject* parent);

    Tfrmsolover* dialog() const { return frmsolover_; }
    void btShowhintClick();

  private:
    TForm1& window_;
    Tfrmsolover* frmsolover_ = nullptr;
};

} // namespace velmar
