// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/text_file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace velmar {
namespace {

namespace fs = std::filesystem;

class TextFileIoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velmar-io-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST_F(TextFileIoTest, WritesReplaceWholeAndKeepTheMode) {
    const std::string path = Path("games.dat");
    EXPECT_EQ(ReadTextFile(path).Outcome, FileReadResult::Missing);
    ASSERT_TRUE(WriteFileAtomically(path, "one\r\n").Ok);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, std::string("two\0\r\n", 6)).Ok);
    const FileReadResult read = ReadTextFile(path);
    EXPECT_EQ(read.Outcome, FileReadResult::Read);
    EXPECT_EQ(read.Text, std::string("two\0\r\n", 6));
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FileCount(), 1u) << "no temporary file left";
}

TEST_F(TextFileIoTest, AFailedWriteSaysWhyAndLeavesNothing) {
    const FileWriteResult missing = WriteFileAtomically(Path("no/such/games.dat"), "x");
    EXPECT_FALSE(missing.Ok);
    EXPECT_FALSE(missing.Reason.empty());
    // The rename fails onto a folder: the folder stays, no temporary remains.
    fs::create_directory(Path("folder"));
    const FileWriteResult onFolder = WriteFileAtomically(Path("folder"), "x");
    EXPECT_FALSE(onFolder.Ok);
    EXPECT_FALSE(onFolder.Reason.empty());
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_EQ(FileCount(), 1u);
    EXPECT_EQ(ReadTextFile(Path("folder")).Outcome, FileReadResult::Failed);
}

} // namespace
} // namespace velmar
