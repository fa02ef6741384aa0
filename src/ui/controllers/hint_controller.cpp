// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/hint_controller.h"

#include "ui/dialogs/hint_dialog.h"
#include "ui/main_window/main_window.h"

#include <QAction>

namespace velmar {

HintController::HintController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), window_(window),
      frmsolover_(new Tfrmsolover(session, window.ActiveTable(), &window)) {
    QAction* showHint = window.action(Command::ShowHint);
    // F2 as well as H, the key of older versions of the game.
    showHint->setShortcuts(showHint->shortcuts() << QKeySequence(Qt::Key_F2));
    connect(showHint, &QAction::triggered, this, &HintController::btShowhintClick);
}

void HintController::btShowhintClick() {
    frmsolover_->Open(window_);
}

} // namespace velmar
