// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/export_texts.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmar {
namespace {

MainWindowTexts SampleWindow() {
    MainWindowTexts w;
    w.menuItems = {{"mnFile", "&File"}, {"N1", "-"}};
    w.groupBoxes = {{"grpColorPanel", "Color Panel"}};
    w.toolButtons = {{"btsave", "ToolButton3", "Save Current Board"},
                     {"btfirst", "ToolButton9", "First Step"}};
    w.radioButtons = {{"rb_none", "Pencil and Paper"}};
    w.checkBoxes = {{"chkcolor", "Marking"}};
    w.speedButtons = {{"disnote1", "1"}};
    return w;
}

class ExportTextsTest : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove(file_); }
    const std::filesystem::path file_ =
        std::filesystem::temp_directory_path() /
        ("velmar_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ".txt");
};

TEST_F(ExportTextsTest, WindowEntriesFollowTheComponentOrder) {
    EXPECT_EQ(WindowTextLines(SampleWindow()), (std::vector<std::string>{
                                                   "mnFile.caption=&File",
                                                   "N1.caption=-",
                                                   "grpColorPanel.caption=Color Panel",
                                                   "btsave.caption=ToolButton3",
                                                   "btfirst.caption=ToolButton9",
                                                   "btsave.hint=Save Current Board",
                                                   "btfirst.hint=First Step",
                                                   "rb_none.caption=Pencil and Paper",
                                                   "chkcolor.caption=Marking",
                                                   "disnote1.caption=1",
                                               }));
}

TEST_F(ExportTextsTest, LineBreaksInsideATextDoNotSplitItsEntry) {
    MainWindowTexts w;
    w.checkBoxes = {{"cbautoupdate", "Auto Update\r\nCandidates"}};
    EXPECT_EQ(WindowTextLines(w),
              (std::vector<std::string>{"cbautoupdate.caption=Auto Update  Candidates"}));
}

TEST_F(ExportTextsTest, WritesTableThenWindowTextsAndLeavesTheTableAlone) {
    const StringTable active = ParseStringTable("msg_add=Add\r\nmnfile.caption=Datei\r\n");
    ASSERT_TRUE(ExportTexts(active, SampleWindow(), file_));
    ASSERT_TRUE(ExportTexts(active, SampleWindow(), file_)); // replaces, never grows

    const auto written = ReadTableFile(file_);
    ASSERT_TRUE(written.has_value());
    const StringTable exported = ParseStringTable(*written);
    EXPECT_EQ(exported.Size(), 2u + 10u);
    EXPECT_EQ(exported.Lines().front(), "msg_add=Add");
    EXPECT_EQ(exported.Lines().back(), "disnote1.caption=1");
    EXPECT_EQ(*written, TableText(exported.Lines())); // CR LF after every line
    EXPECT_TRUE(written->starts_with("msg_add=Add\r\nmnfile.caption=Datei\r\nmnFile.caption="));

    EXPECT_EQ(active.Size(), 2u);
    EXPECT_EQ(active.LookupText("mnfile.caption"), "Datei");
}

TEST_F(ExportTextsTest, ReportsAFileThatCannotBeWritten) {
    EXPECT_FALSE(ExportTexts(StringTable(), SampleWindow(),
                             std::filesystem::temp_directory_path() / "no_such_dir" / "x.txt"));
}

} // namespace
} // namespace velmar
