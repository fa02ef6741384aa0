// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/hint_controller.h"

#include "storage/settings_store.h"
#include "ui/dialogs/hint_dialog.h"
#include "ui/dialogs/prompter.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QSignalBlocker>

namespace velmar {

HintController::HintController(TForm1& window, PlaySession& session, SettingsBackend& store,
                               QObject* parent)
    : QObject(parent), window_(window), session_(session), store_(store),
      frmsolover_(new Tfrmsolover(session, window.ActiveTable(), &window)) {
    QAction* showHint = window.action(Command::ShowHint);
    // F2 as well as H, the key of older versions of the game.
    showHint->setShortcuts(showHint->shortcuts() << QKeySequence(Qt::Key_F2));
    connect(showHint, &QAction::triggered, this, &HintController::btShowhintClick);

    QAction* advanced = window.action(Command::AdvancedTechniques);
    advanced->setCheckable(true);
    connect(advanced, &QAction::toggled, this, &HintController::SetAdvancedTechniques);
    connect(frmsolover_, &Tfrmsolover::advancedToggled, this,
            &HintController::SetAdvancedTechniques);
    const bool on = LoadAdvancedTechniques(store_);
    session_.SetAdvancedTechniques(on);
    ShowAdvancedTechniques(on);
}

void HintController::btShowhintClick() {
    frmsolover_->Open(window_);
}

void HintController::SetAdvancedTechniques(bool on) {
    if (on == session_.AdvancedTechniques()) return;
    session_.SetAdvancedTechniques(on);
    ShowAdvancedTechniques(on);
    frmsolover_->RestartRun();
    if (!SaveAdvancedTechniques(on, store_))
        window_.prompter().warn(Severity::Warning, window_.LookupText("msg_title_warning"),
                                window_.LookupText("msg_setting_not_saved"));
}

void HintController::ShowAdvancedTechniques(bool on) {
    QAction* advanced = window_.action(Command::AdvancedTechniques);
    const QSignalBlocker quiet(advanced);
    advanced->setChecked(on);
    frmsolover_->ShowAdvanced(on);
}

} // namespace velmar
