// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_page.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmar {
namespace {

namespace fs = std::filesystem;

class HelpPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("velmar-help-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void Touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "<html></html>\n";
    }

    fs::path root_;
};

TEST_F(HelpPageTest, InstalledPageIsFoundFromTheProgramsPrefix) {
    // Nothing under the prefix yet (a folder of that name is no page): at most
    // a page installed system-wide is found.
    fs::create_directories(root_ / "bin" / kHelpPageName);
    const fs::path none = FindHelpPage(root_ / "bin");
    EXPECT_TRUE(none.empty() || none == HelpPageCandidates({}).front()) << none;
    fs::remove(root_ / "bin" / kHelpPageName);

    const fs::path installed = root_ / "share" / "velmar" / kHelpPageName;
    Touch(installed);
    EXPECT_EQ(FindHelpPage(root_ / "bin"), installed);
}

TEST_F(HelpPageTest, PageNextToTheProgramComesFirst) {
    Touch(root_ / "share" / "velmar" / kHelpPageName);
    Touch(root_ / "bin" / kHelpPageName);
    EXPECT_EQ(FindHelpPage(root_ / "bin"), root_ / "bin" / kHelpPageName);
    EXPECT_EQ(HelpPageCandidates(root_ / "bin").front(), root_ / "bin" / kHelpPageName);
}

TEST_F(HelpPageTest, WithoutAProgramFolderOnlyTheInstalledPlaceIsTried) {
    const std::vector<fs::path> candidates = HelpPageCandidates({});
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_TRUE(candidates.front().is_absolute());
    EXPECT_EQ(candidates.front().filename(), kHelpPageName);
}

} // namespace
} // namespace velmar
