// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/appearance_apply.h"

#include "game/appearance.h"
#include "game/play_session.h"

namespace velmar {

void ApplyStoredAppearance(PlaySession& session, Settings& settings, SettingsBackend& store) {
    std::optional<AppearanceChoice> choice = ChoiceFromSettings(settings);
    if (!choice) {
        SetDefaultSettings(settings);
        SaveSettings(settings, store);
        choice = ChoiceFromSettings(settings);
    }
    BoardProperties p = session.board().properties();
    ChooseAllColours(*choice, p);
    session.SetProperties(p);
}

} // namespace velmar
