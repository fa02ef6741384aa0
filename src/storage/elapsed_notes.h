// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of a stored game, kept beside the game files so that their
// formats (which older versions read strictly) stay as they are:
// "elapsed.dat" in the data folder, one line per game,
//
//   SECONDS TAB FINGERPRINT TAB KEY
//
// KEY "lastgame" for the game to continue, "game:" and the name for a saved
// game. FINGERPRINT (16 hex digits) is taken of the game as stored; a game
// changed since by a version that does not keep the clock no longer matches,
// and its clock starts at 0 again rather than at someone else's time. The
// file only adds comfort: a line it cannot read is dropped, never an error.
#pragma once

#include "history/game_file.h"
#include "storage/saved_games.h"
#include "storage/text_file_io.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr std::string_view kElapsedFileName = "elapsed.dat";
inline constexpr std::string_view kLastGameClockKey = "lastgame";

// "game:" followed by the saved game's name.
std::string SavedGameClockKey(std::string_view name);

// Fingerprints of a game as it is stored.
std::uint64_t GameFileFingerprint(const GameFile& file);
std::uint64_t SavedGameFingerprint(const SavedGame& game);

class ElapsedNotes {
  public:
    static ElapsedNotes Read(std::string_view text);
    std::string Write() const; // CR LF after every line, keys in order

    void set(const std::string& key, std::uint64_t fingerprint, std::uint32_t seconds);
    // The seconds noted for the key, when its fingerprint is this one.
    std::optional<std::uint32_t> get(const std::string& key, std::uint64_t fingerprint) const;
    void erase(const std::string& key) { notes_.erase(key); }
    bool operator==(const ElapsedNotes&) const = default;

  private:
    struct Note {
        std::uint64_t fingerprint = 0;
        std::uint32_t seconds = 0;
        bool operator==(const Note&) const = default;
    };
    std::map<std::string, Note> notes_;
};

// The file in a data folder: a missing or unreadable one reads as empty.
ElapsedNotes LoadElapsedNotes(const std::string& folder);
FileWriteResult SaveElapsedNotes(const std::string& folder, const ElapsedNotes& notes);

} // namespace velmar
