// SPDX-License-Identifier: GPL-3.0-or-later
// The stored appearance applied to a board: each group takes the built-in
// colours while its "use default" flag is "1", else the stored colours.
#pragma once

#include "storage/settings_store.h"

namespace velmar {

class PlaySession;

// Sets the background, font and highlight colours of the session's board
// from the settings and redraws it. Settings that are not valid (a colour that
// is no 24-bit number, a flag other than "0"/"1") make the store go back to its
// defaults (written at once) before the colours apply.
void ApplyStoredAppearance(PlaySession& session, Settings& settings, SettingsBackend& store);

} // namespace velmar
