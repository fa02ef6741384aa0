// SPDX-License-Identifier: GPL-3.0-or-later
// The player's statistics per level: games started, finished, finished
// without a hint, and the time of every finished game (for the best and the
// median). Kept in "statistics.dat" in the data folder, one line per level:
//
//   level,started,finished,without hints,times
//   0,12,5,3,125 340 600 95 410
//
// written whole and atomically, CR LF, UTF-8 without a byte-order mark. A
// damaged file is reported with its line and never overwritten, so a hand
// edit gone wrong loses nothing.
#pragma once

#include "model/levels.h"
#include "storage/text_file_io.h"
#include "text/text_lines.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr std::string_view kStatisticsFileName = "statistics.dat";
inline constexpr int kStatisticsLevels = kUnknownLevel + 1; // the bank's five and Unknown

struct LevelStatistics {
    std::uint32_t started = 0;
    std::uint32_t finished = 0;
    std::uint32_t withoutHints = 0;
    std::vector<std::uint32_t> seconds; // one per finished game, in finishing order

    std::optional<std::uint32_t> best() const;
    // The middle time; of an even count, the mean of the two middle ones
    // (rounded down).
    std::optional<std::uint32_t> median() const;
    bool operator==(const LevelStatistics&) const = default;
};

struct GameStatistics {
    std::array<LevelStatistics, kStatisticsLevels> levels{};

    // A level outside 0..kUnknownLevel counts as Unknown.
    void recordStarted(int level);
    // A game finished after `seconds` on the clock; `usedHints` when any hint
    // was shown. A finish without a recorded start (a game begun before the
    // statistics were kept) counts as started too.
    void recordFinished(int level, std::uint32_t seconds, bool usedHints);
    bool operator==(const GameStatistics&) const = default;
};

struct StatisticsRead {
    std::optional<GameStatistics> Statistics; // empty when the text is damaged
    TextFileError Error;                      // meaningful when Statistics is empty
};

// Reads the file's text; "" (a new file) holds no games.
StatisticsRead ParseStatistics(std::string_view text);
std::string WriteStatistics(const GameStatistics& statistics);

// The file in the data folder: loaded (a missing file reads as empty), or
// the reason it was not, as "statistics.dat, line 3: ..." or
// "statistics.dat: Permission denied".
struct StatisticsLoad {
    std::optional<GameStatistics> Statistics;
    std::string Problem;
};
StatisticsLoad LoadStatistics(const std::string& folder);
FileWriteResult SaveStatistics(const std::string& folder, const GameStatistics& statistics);

// Load, change, save: the change is made only when the file loaded, so a
// damaged file stays as it is. Returns the problem, or "" on success.
std::string UpdateStatistics(const std::string& folder,
                             const std::function<void(GameStatistics&)>& change);

// "1:05:09", hours unbounded; the game clock's form.
std::string FormatSeconds(std::uint32_t seconds);

} // namespace velmar
