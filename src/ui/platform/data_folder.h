// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user data folder (saved games, last game) and its "replay"
// sub-folder. VELMAR_DATA_DIR names another folder, so tests never touch the
// user's own files.
#pragma once

#include <QString>

namespace velmar {

// The data folder's path, ending in "/".
QString DataFolder();
// Creates the folder and its "replay" sub-folder when missing. False when
// either cannot be created or takes no file; the game then plays on and each
// save reports its own failure.
bool EnsureDataFolder(const QString& folder);

} // namespace velmar
