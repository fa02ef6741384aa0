// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the statistics.dat reader: a damaged text names a line, a read text
// writes back to text that reads the same, and the figures it gives keep
// their promises (the best is no more than the median).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/game_statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmar::StatisticsRead read = velmar::ParseStatistics(text);
    if (!read.Statistics) {
        if (read.Error.Message.empty() || read.Error.Line < 1) std::abort();
        return 0;
    }
    velmar::GameStatistics stats = *read.Statistics;
    const std::string written = velmar::WriteStatistics(stats);
    const velmar::StatisticsRead again = velmar::ParseStatistics(written);
    if (again.Statistics != stats || velmar::WriteStatistics(*again.Statistics) != written)
        std::abort();
    for (const velmar::LevelStatistics& level : stats.levels) {
        if (level.best().has_value() != level.median().has_value()) std::abort();
        if (level.best() && *level.best() > *level.median()) std::abort();
    }
    stats.recordFinished(3, 60, true);
    if (velmar::ParseStatistics(velmar::WriteStatistics(stats)).Statistics != stats) std::abort();
    return 0;
}
