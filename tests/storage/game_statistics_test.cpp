// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file: counts and times per level, best and median, the text
// form read back, and a damaged file reported by line and left untouched.
#include "storage/game_statistics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace velmar {
namespace {

namespace fs = std::filesystem;

TEST(GameStatistics, CountsGamesAndTimesPerLevel) {
    GameStatistics stats;
    stats.recordStarted(2);
    stats.recordStarted(2);
    stats.recordStarted(2);
    stats.recordFinished(2, 400, false);
    stats.recordFinished(2, 100, true);
    stats.recordFinished(9, 50, false); // no such level: Unknown, and counted as started
    const LevelStatistics& moderate = stats.levels[2];
    EXPECT_EQ(moderate.started, 3u);
    EXPECT_EQ(moderate.finished, 2u);
    EXPECT_EQ(moderate.withoutHints, 1u);
    EXPECT_EQ(moderate.best(), 100u);
    EXPECT_EQ(moderate.median(), 250u); // the mean of the two middle times
    stats.recordFinished(2, 90, false);
    EXPECT_EQ(stats.levels[2].median(), 100u);
    EXPECT_EQ(stats.levels[2].started, 3u); // the third start
    EXPECT_EQ(stats.levels[kUnknownLevel].started, 1u);
    EXPECT_FALSE(stats.levels[0].best());
    EXPECT_FALSE(stats.levels[0].median());
    EXPECT_EQ(FormatSeconds(3725), "1:02:05");
    EXPECT_EQ(FormatSeconds(59), "0:00:59");
}

TEST(GameStatistics, TextReadsBackAndDamageIsNamedByLine) {
    GameStatistics stats;
    stats.recordStarted(0);
    stats.recordFinished(0, 125, false);
    stats.recordStarted(4);
    const std::string text = WriteStatistics(stats);
    EXPECT_EQ(text.rfind("level,started,finished,without hints,times\r\n0,1,1,1,125\r\n", 0), 0u);
    EXPECT_EQ(ParseStatistics(text).Statistics, stats);
    EXPECT_EQ(ParseStatistics("\xEF\xBB\xBFlevel,started,finished,without hints,times\n4,1,0,0,\n")
                  .Statistics,
              [] {
                  GameStatistics one;
                  one.recordStarted(4);
                  return one;
              }());
    EXPECT_EQ(ParseStatistics("").Statistics, GameStatistics{});
    const std::pair<const char*, int> damaged[] = {
        {"levels\r\n", 1},
        {"level,started,finished,without hints,times\r\n0,1,1,1,125\r\n0,1,0,0,\r\n", 3},
        {"level,started,finished,without hints,times\r\n6,0,0,0,\r\n", 2},
        {"level,started,finished,without hints,times\r\n1,1,2,0,5 6\r\n", 2},
        {"level,started,finished,without hints,times\r\n1,2,1,2,5\r\n", 2},
        {"level,started,finished,without hints,times\r\n1,2,1,0,-5\r\n", 2},
        {"level,started,finished,without hints,times\r\n1,99999999999,0,0,\r\n", 2},
        {"level,started,finished,without hints,times\r\n1,2,1,0\r\n", 2},
    };
    for (const auto& [bad, line] : damaged) {
        const StatisticsRead read = ParseStatistics(bad);
        EXPECT_FALSE(read.Statistics) << bad;
        EXPECT_EQ(read.Error.Line, line) << bad;
    }
}

TEST(GameStatistics, UpdateLeavesADamagedFileAlone) {
    const fs::path folder =
        fs::temp_directory_path() / ("velmar-stats-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string dir = folder.string();
    EXPECT_EQ(UpdateStatistics(dir, [](GameStatistics& s) { s.recordStarted(1); }), "");
    EXPECT_EQ(LoadStatistics(dir).Statistics->levels[1].started, 1u);

    const std::string bad = "level,started,finished,without hints,times\r\n1,x,0,0,\r\n";
    ASSERT_TRUE(WriteFileAtomically((folder / "statistics.dat").string(), bad).Ok);
    EXPECT_EQ(UpdateStatistics(dir, [](GameStatistics& s) { s.recordStarted(1); }),
              "statistics.dat, line 2: a count is not a decimal number");
    EXPECT_EQ(ReadTextFile((folder / "statistics.dat").string()).Text, bad);
    fs::remove_all(folder);
}

} // namespace
} // namespace velmar
