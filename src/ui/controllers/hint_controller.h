// SPDX-License-Identifier: GPL-3.0-or-later
// "Show hint" (its tool button and the H key) opens the hint dialog on the
// game in play; without a game it does nothing. The "Advanced techniques"
// switch lives here too: the Options menu item and the dialog's check box
// show it alike, it is read at start and stored whenever it changes.
#pragma once

#include <QObject>

namespace velmar {

class PlaySession;
class SettingsBackend;
class TForm1;
class Tfrmsolover;

class HintController : public QObject {
    Q_OBJECT

  public:
    HintController(TForm1& window, PlaySession& session, SettingsBackend& store, QObject* parent);

    Tfrmsolover* dialog() const { return frmsolover_; }
    void btShowhintClick();
    // The switch from either place; an open dialog starts its run again.
    void SetAdvancedTechniques(bool on);

  private:
    void ShowAdvancedTechniques(bool on);

    TForm1& window_;
    PlaySession& session_;
    SettingsBackend& store_;
    Tfrmsolover* frmsolover_ = nullptr;
};

} // namespace velmar
