// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/games_file_update.h"

#include <gtest/gtest.h>

#include "storage/text_file_io.h"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar {
namespace {

namespace fs = std::filesystem;

SavedGame Game(const std::string& name) {
    SavedGame game{name, kUnknownLevel, "", {}};
    for (int i = 0; i < 81; ++i) game.Board.at(i).State = kStateOpen;
    return game;
}

struct Folder {
    fs::path path;
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "velmar-games-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path); }
};

// Forked writers, each adding its own game: every one of them is kept.
TEST(GamesFileUpdateTest, ParallelProcessesKeepEveryGame) {
    const Folder folder;
    const std::string file = (folder.path / "games.dat").string();
    constexpr int kWriters = 12;
    std::vector<pid_t> children;
    for (int i = 0; i < kWriters; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const auto result = UpdateGamesFile(
                file, [&](GamesFile& f) { return f.Append(Game(std::to_string(i))); });
            ::_exit(result.Outcome == GamesFileUpdate::Changed ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const GamesFileRead read = GamesFile::Read(ReadTextFile(file).Text);
    ASSERT_TRUE(read.File);
    EXPECT_EQ(read.File->List().size(), static_cast<std::size_t>(kWriters));
}

TEST(GamesFileUpdateTest, ALiveHolderIsWaitedForThenReported) {
    const Folder folder;
    const std::string file = (folder.path / "games.dat").string();
    const FileLock held(file);
    ASSERT_TRUE(held.locked());
    const pid_t pid = ::fork();
    if (pid == 0) {
        const auto result = UpdateGamesFile(
            file, [](GamesFile& f) { return f.Append(Game("x")); }, 50);
        ::_exit(result.Outcome == GamesFileUpdate::Failed && !result.Reason.empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(GamesFileUpdateTest, WritesThroughALinkAndSetsDamageAside) {
    const Folder folder;
    const fs::path target = folder.path / "real.dat";
    const fs::path link = folder.path / "games.dat";
    fs::create_symlink(target.filename(), link);
    const auto added =
        UpdateGamesFile(link.string(), [](GamesFile& f) { return f.Append(Game("a")); });
    EXPECT_EQ(added.Outcome, GamesFileUpdate::Changed);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_regular_file(target));

    ASSERT_TRUE(WriteFileAtomically(link.string(), "Name=a\r\n9\r\n").Ok);
    const auto damaged = UpdateGamesFile(link.string(), [](GamesFile&) { return true; });
    EXPECT_EQ(damaged.Outcome, GamesFileUpdate::Damaged);
    EXPECT_EQ(damaged.Error.Line, 2);
    EXPECT_EQ(ReadTextFile(target.string()).Text, "Name=a\r\n9\r\n"); // left as it was
    const SetAsideResult aside = SetDamagedGamesFileAside(link.string());
    ASSERT_TRUE(aside.Ok) << aside.Reason;
    EXPECT_EQ(aside.Moved, target.string() + ".damaged");
    EXPECT_EQ(
        UpdateGamesFile(link.string(), [](GamesFile& f) { return f.Append(Game("b")); }).Outcome,
        GamesFileUpdate::Changed);
}

// A temporary file whose writer was killed is removed by the next write.
TEST(GamesFileUpdateTest, StaleTemporaryFilesAreRemoved) {
    const Folder folder;
    const std::string file = (folder.path / "games.dat").string();
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0); // a process id that no longer runs
    std::string stale = file;
    stale.append(".tmp").append(std::to_string(pid)).append("-abcdef");
    ASSERT_TRUE(WriteFileAtomically(stale, "partial").Ok);
    ASSERT_TRUE(WriteFileAtomically(file, "").Ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator{}), 1);
}

} // namespace
} // namespace velmar
