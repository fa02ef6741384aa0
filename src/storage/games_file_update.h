// SPDX-License-Identifier: GPL-3.0-or-later
// Changing "games.dat" when other programs may change it too (a second game
// window, velmar-cli). Each change holds the file's lock, reads the file
// afresh and applies just that one change (add, replace, delete or rename by
// name) to what it read, so no writer ever puts back a stale copy.
#pragma once

#include "storage/file_lock.h"
#include "storage/saved_games.h"

#include <functional>
#include <optional>
#include <string>

namespace velmar {

struct GamesFileUpdate {
    enum Status {
        Changed,   // the change was made and written
        Unchanged, // the change found nothing to do; nothing was written
        Damaged,   // the file is not a games file: Error names the line
        Failed,    // locking, reading or writing failed: Reason says why
    } Outcome = Failed;
    std::optional<GamesFile> File; // the file as it now is (Changed, Unchanged)
    TextFileError Error;
    std::string Reason;
};

// The change returns true when it changed the file. A missing file reads as
// one without records and is created by the first change.
GamesFileUpdate UpdateGamesFile(const std::string& path,
                                const std::function<bool(GamesFile&)>& change,
                                int waitMs = kFileLockWaitMs);

struct SetAsideResult {
    bool Ok = false;
    std::string Moved;  // where the damaged file now is
    std::string Reason; // why not
};

// Moves a damaged games file out of the way ("games.dat.damaged", or with a
// number when that name is taken) so that a fresh file can be started; the
// damaged one is kept for the player to mend.
SetAsideResult SetDamagedGamesFileAside(const std::string& path, int waitMs = kFileLockWaitMs);

} // namespace velmar
