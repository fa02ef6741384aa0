// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ini_settings_store.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kKey = "SOFTWARE\\Velmar";

// Counts the saves that reach the file.
class CountingStore : public IniSettingsStore {
  public:
    int commits = 0;
    bool Commit() override {
        ++commits;
        return true;
    }
};

// What a start does with the store: load, then repair invalid values.
Settings Start(SettingsBackend& store) {
    Settings s;
    LoadSettings(s, store);
    if (!SettingsValid(s)) {
        SetDefaultSettings(s);
        SaveSettings(s, store);
    }
    return s;
}

TEST(IniSettingsStoreTest, DamagedFileIsRepairedWholeInOneStart) {
    Settings defaults;
    SetDefaultSettings(defaults);
    for (std::string_view damage : {
             "[SOFTWARE\nVelmar\\reg_board_background_use_default=1\n"sv, // unclosed section
             "[SOFTWARE]\nVelmar\\reg_board_background_use_default=1\njunk line\n"
             "Velmar\\reg_Font_use_default=7\n"sv, // a junk line, an invalid flag
             // a byte-order mark that would move to the file's start
             "\n\xEF\xBB\xBFx=1\n"sv,
             // random bytes
             "\x89PNG\r\n\x1a\n\x00\x01[=\xff\xfe]\x7f=\n==\n[SOFTWARE]\n\x00=1\n"sv,
         }) {
        CountingStore store;
        store.Load(damage);
        EXPECT_EQ(Start(store), defaults);
        EXPECT_EQ(store.commits, 1);

        // The next start reads all nine values back and finds nothing to repair.
        CountingStore next;
        next.Load(store.Text());
        EXPECT_EQ(Start(next), defaults);
        EXPECT_EQ(next.commits, 0);
        EXPECT_EQ(next.Text(), store.Text());
    }
}

TEST(IniSettingsStoreTest, ReadsTheQSettingsLayoutAndKeepsForeignEntries) {
    IniSettingsStore store;
    store.Load("\xEF\xBB\xBF[General]\nsize=3\n\n; a comment\n[SOFTWARE]\r\n"
               "Velmar\\reg_Board_color1 = 255\r\nVelmar/reg_Board_color2=\"12\"\r\n"
               "Other\\x=1\n[SOFTWARE\\Velmar]\nreg_HighLight_color=7\n");
    EXPECT_TRUE(store.HasKey(kKey));
    EXPECT_FALSE(store.HasKey("SOFTWARE\\Vel"));
    EXPECT_EQ(store.ReadString(kKey, "reg_Board_color1"), "255");
    EXPECT_EQ(store.ReadString(kKey, "reg_Board_color2"), "12");
    EXPECT_EQ(store.ReadString(kKey, "reg_HighLight_color"), "7");
    EXPECT_EQ(store.ReadString("SOFTWARE\\Other", "x"), "1");
    EXPECT_FALSE(store.HasValue(kKey, "reg_Font_color_Fix"));

    // Written values keep their line; new ones join the section of their path.
    ASSERT_TRUE(store.WriteString(kKey, "reg_HighLight_color", "8"));
    ASSERT_TRUE(store.WriteString(kKey, "reg_Font_color_Fix", "0"));
    ASSERT_TRUE(store.WriteString(kKey, "odd", " a \"b\"\\\n"));
    EXPECT_EQ(store.Text(), "[General]\r\nsize=3\r\n[SOFTWARE]\r\n"
                            "Velmar\\reg_Board_color1 = 255\r\nVelmar/reg_Board_color2=\"12\"\r\n"
                            "Other\\x=1\r\nVelmar\\reg_Font_color_Fix=0\r\n"
                            "Velmar\\odd=\" a \\\"b\\\"\\\\\\x0a\"\r\n"
                            "[SOFTWARE\\Velmar]\r\nreg_HighLight_color=8\r\n");
    IniSettingsStore again;
    again.Load(store.Text());
    EXPECT_EQ(again.ReadString(kKey, "odd"), " a \"b\"\\\n");
    EXPECT_EQ(again.ReadString("General", "size"), "");
    EXPECT_EQ(again.Text(), store.Text());
}

} // namespace
} // namespace velmar
