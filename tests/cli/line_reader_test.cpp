// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_common.h"
#include "app/cli/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace velmar::cli {
namespace {

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The text as an open file; fmemopen keeps no copy, so `text` must outlive it.
std::unique_ptr<std::FILE, Closer> Open(std::string& text) {
    return std::unique_ptr<std::FILE, Closer>(fmemopen(text.data(), text.size(), "rb"));
}

TEST(LineReaderTest, LinesAtAndAroundTheLimit) {
    const std::string limit(kMaxLineBytes, 'x');
    std::string text = "a\r\n\n" + limit + "\r\n" + limit + "y\n" + limit + "\r\r\nlast";
    auto file = Open(text);
    LineReader reader(file.get());
    std::vector<InputLine> lines;
    for (InputLine line; reader.next(line);) lines.push_back(line);
    EXPECT_FALSE(reader.failed());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].text, "a");
    EXPECT_EQ(lines[1].text, "");
    // A CR after a line of exactly the limit is the line end's.
    EXPECT_EQ(lines[2].text, limit);
    EXPECT_FALSE(lines[2].overLong);
    for (int i : {3, 4}) {
        EXPECT_TRUE(lines[i].overLong) << i;
        EXPECT_EQ(lines[i].text, limit) << i;
    }
    EXPECT_EQ(lines[5].text, "last");
    EXPECT_FALSE(lines[5].overLong);
}

TEST(LineReaderTest, WholeInputIsRefusedOverItsLimit) {
    std::string text(100, 'z');
    auto file = Open(text);
    std::string read;
    EXPECT_EQ(ReadAll(file.get(), 99, read), ReadAllResult::TooLarge);
    auto again = Open(text);
    EXPECT_EQ(ReadAll(again.get(), 100, read), ReadAllResult::Read);
    EXPECT_EQ(read, text);
}

// Lines are counted per file, and a status from the callback stops the run
// before the next line is read.
TEST(LineReaderTest, PlacesCountPerFileAndAStatusStops) {
    const auto folder = std::filesystem::path(testing::TempDir());
    const std::string first = (folder / "places_first.txt").string();
    const std::string second = (folder / "places_second.txt").string();
    std::ofstream(first) << "a\nb\n";
    std::ofstream(second) << "c\nstop\nnever\n";
    std::vector<std::string> seen;
    const int status = readInputLines("test", {first, second},
                                      [&](const InputLine& line, const InputPlace& place) {
                                          seen.push_back(line.text + "@" + place.describe());
                                          return line.text == "stop" ? 7 : 0;
                                      });
    EXPECT_EQ(status, 7);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "a@'" + first + "' line 1", "b@'" + first + "' line 2",
                        "c@'" + second + "' line 1", "stop@'" + second + "' line 2"}));
    std::filesystem::remove(first);
    std::filesystem::remove(second);
}

} // namespace
} // namespace velmar::cli
