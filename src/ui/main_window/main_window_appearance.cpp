// SPDX-License-Identifier: GPL-3.0-or-later
// The appearance dialog from the main window: OK gives the main board the
// stored colours.
#include "ui/main_window/main_window.h"

#include "ui/board/appearance_apply.h"
#include "ui/dialogs/appearance_dialog.h"
#include "ui/dialogs/prompter.h"

namespace velmar {

void TForm1::ShowAppearance() {
    if (frmAppearance_->exec() != QDialog::Accepted) return;
    if (frmAppearance_->saved()) {
        LoadSettings(settings_, *store_);
    } else {
        // The choice holds for this run even though the store kept the old one.
        settings_ = frmAppearance_->settings();
        prompter_->warn(Severity::Warning, LookupText("msg_title_warning"),
                        LookupText("msg_settings_not_saved"));
    }
    ApplyStoredAppearance(session_, settings_, *store_);
}

} // namespace velmar
