// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/game_statistics.h"

#include "text/decimal.h"

#include <algorithm>

namespace velmar {

namespace {

constexpr std::string_view kHeader = "level,started,finished,without hints,times";
// Ten digits and no more: every count and time fits in 32 bits.
constexpr std::uint64_t kMaxValue = 4'000'000'000;

std::optional<std::uint32_t> Count(std::string_view text) {
    const std::optional<std::uint64_t> value = ParseDecimal(text);
    if (!value || text.size() > 10 || *value > kMaxValue) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

// One level's line into `out`; the problem, or "" when it reads.
std::string ParseLevelLine(std::string_view line, GameStatistics& out, std::vector<bool>& seen) {
    const std::vector<std::string_view> fields = Split(line, ',');
    if (fields.size() != 5) return "expected five comma-separated fields";
    const auto level = Count(fields[0]);
    if (!level || *level >= kStatisticsLevels) return "no level 0 to 5";
    if (seen[*level]) return "level " + std::to_string(*level) + " appears twice";
    seen[*level] = true;
    LevelStatistics& stats = out.levels[*level];
    const auto started = Count(fields[1]), finished = Count(fields[2]), clean = Count(fields[3]);
    if (!started || !finished || !clean) return "a count is not a decimal number";
    stats = {*started, *finished, *clean, {}};
    if (!fields[4].empty()) {
        for (std::string_view time : Split(fields[4], ' ')) {
            const auto seconds = Count(time);
            if (!seconds) return "a time is not a decimal number of seconds";
            stats.seconds.push_back(*seconds);
        }
    }
    if (stats.finished > stats.started) return "more games finished than started";
    if (stats.withoutHints > stats.finished) return "more games without hints than finished";
    if (stats.seconds.size() != stats.finished) return "not one time per finished game";
    return "";
}

std::string FilePath(const std::string& folder) {
    return folder + "/" + std::string(kStatisticsFileName);
}

} // namespace

std::optional<std::uint32_t> LevelStatistics::best() const {
    if (seconds.empty()) return std::nullopt;
    return *std::min_element(seconds.begin(), seconds.end());
}

std::optional<std::uint32_t> LevelStatistics::median() const {
    if (seconds.empty()) return std::nullopt;
    std::vector<std::uint32_t> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t mid = sorted.size() / 2;
    if (sorted.size() % 2 == 1) return sorted[mid];
    return static_cast<std::uint32_t>((std::uint64_t{sorted[mid - 1]} + sorted[mid]) / 2);
}

void GameStatistics::recordStarted(int level) {
    LevelStatistics& stats =
        levels[level >= 0 && level < kStatisticsLevels ? level : kUnknownLevel];
    if (stats.started < kMaxValue) ++stats.started;
}

void GameStatistics::recordFinished(int level, std::uint32_t seconds, bool usedHints) {
    LevelStatistics& stats =
        levels[level >= 0 && level < kStatisticsLevels ? level : kUnknownLevel];
    if (stats.finished >= kMaxValue) return;
    if (stats.started <= stats.finished) stats.started = stats.finished + 1;
    ++stats.finished;
    if (!usedHints) ++stats.withoutHints;
    stats.seconds.push_back(std::min<std::uint32_t>(seconds, kMaxValue));
}

StatisticsRead ParseStatistics(std::string_view text) {
    const std::vector<std::string> lines = SplitTextLines(text);
    GameStatistics out;
    if (lines.empty()) return {out, {}};
    if (lines[0] != kHeader) return {std::nullopt, {1, "not a statistics file"}};
    std::vector<bool> seen(kStatisticsLevels, false);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        if (std::string problem = ParseLevelLine(lines[i], out, seen); !problem.empty()) {
            return {std::nullopt, {static_cast<int>(i + 1), std::move(problem)}};
        }
    }
    return {out, {}};
}

std::string WriteStatistics(const GameStatistics& statistics) {
    std::vector<std::string> lines{std::string(kHeader)};
    for (int level = 0; level < kStatisticsLevels; ++level) {
        const LevelStatistics& stats = statistics.levels[level];
        std::string line = std::to_string(level) + ',' + std::to_string(stats.started) + ',' +
                           std::to_string(stats.finished) + ',' +
                           std::to_string(stats.withoutHints) + ',';
        for (std::size_t i = 0; i < stats.seconds.size(); ++i) {
            if (i > 0) line += ' ';
            line += std::to_string(stats.seconds[i]);
        }
        lines.push_back(std::move(line));
    }
    return JoinTextLines(lines);
}

StatisticsLoad LoadStatistics(const std::string& folder) {
    const FileReadResult file = ReadTextFile(FilePath(folder));
    const std::string name(kStatisticsFileName);
    if (file.Outcome == FileReadResult::Missing) return {GameStatistics{}, ""};
    if (file.Outcome == FileReadResult::Failed) return {std::nullopt, name + ": " + file.Reason};
    StatisticsRead read = ParseStatistics(file.Text);
    if (!read.Statistics) return {std::nullopt, name + ", " + read.Error.Describe()};
    return {std::move(read.Statistics), ""};
}

FileWriteResult SaveStatistics(const std::string& folder, const GameStatistics& statistics) {
    return WriteFileAtomically(FilePath(folder), WriteStatistics(statistics));
}

std::string UpdateStatistics(const std::string& folder,
                             const std::function<void(GameStatistics&)>& change) {
    StatisticsLoad load = LoadStatistics(folder);
    if (!load.Statistics) return load.Problem;
    change(*load.Statistics);
    const FileWriteResult written = SaveStatistics(folder, *load.Statistics);
    return written.Ok ? "" : std::string(kStatisticsFileName) + ": " + written.Reason;
}

std::string FormatSeconds(std::uint32_t seconds) {
    const std::uint32_t minutes = seconds / 60 % 60, rest = seconds % 60;
    return std::to_string(seconds / 3600) + ':' + (minutes < 10 ? "0" : "") +
           std::to_string(minutes) + ':' + (rest < 10 ? "0" : "") + std::to_string(rest);
}

} // namespace velmar
