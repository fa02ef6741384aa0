// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_memory_store.h"
#include "storage/settings_store.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

constexpr std::string_view kKey = "SOFTWARE\\Velmar";

Settings Defaults() {
    Settings s;
    SetDefaultSettings(s);
    return s;
}

void ExpectStoreHoldsDefaults(const MemorySettingsStore& store) {
    EXPECT_EQ(store.ValueCount(kKey), 9u);
    for (const SettingValue& value : SettingValues())
        EXPECT_EQ(store.ReadString(kKey, value.name), value.defaultText) << value.name;
}

TEST(SettingsStoreTest, DefaultTexts) {
    const Settings s = Defaults();
    EXPECT_EQ(s.reg_board_background_use_default, "1");
    EXPECT_EQ(s.reg_Board_color1, "13891060");
    EXPECT_EQ(s.reg_Board_color2, "13891060");
    EXPECT_EQ(s.reg_Font_use_default, "1");
    EXPECT_EQ(s.reg_Font_color_Fix, "0");
    EXPECT_EQ(s.reg_Font_color_Big, "16711680");
    EXPECT_EQ(s.reg_Font_color_Candidate, "0");
    EXPECT_EQ(s.reg_HighLight_use_default, "1");
    EXPECT_EQ(s.reg_HighLight_color, "65535");
    EXPECT_EQ(kSettingsKeyPath, kKey);
}

// The switch is off until stored as "1", lives beside the nine values and
// leaves them (and their repair) alone.
TEST(SettingsStoreTest, AdvancedTechniquesSwitch) {
    MemorySettingsStore store;
    EXPECT_FALSE(LoadAdvancedTechniques(store));
    ASSERT_TRUE(SaveAdvancedTechniques(true, store));
    EXPECT_EQ(store.ReadString(kKey, "AdvancedTechniques"), "1");
    EXPECT_TRUE(LoadAdvancedTechniques(store));
    Settings s;
    LoadSettings(s, store); // a key without the nine is repaired with their defaults
    EXPECT_EQ(store.ValueCount(kKey), 10u);
    EXPECT_TRUE(LoadAdvancedTechniques(store));
    ASSERT_TRUE(SaveAdvancedTechniques(false, store));
    EXPECT_FALSE(LoadAdvancedTechniques(store));
    ASSERT_TRUE(store.WriteString(kKey, "AdvancedTechniques", "yes"));
    EXPECT_FALSE(LoadAdvancedTechniques(store));
}

TEST(SettingsStoreTest, FirstStartCreatesTheKeyWithDefaults) {
    MemorySettingsStore store;
    Settings s;
    LoadSettings(s, store);
    EXPECT_EQ(s, Defaults());
    ASSERT_TRUE(store.HasKey(kKey));
    ExpectStoreHoldsDefaults(store);
    EXPECT_EQ(store.ReadString(kKey, "reg_HighLight_color"), "65535");
}

TEST(SettingsStoreTest, StoredValuesAreReadAsTheyAre) {
    MemorySettingsStore store;
    Settings saved = Defaults();
    // std::string temporaries: g++ 12 misreports assignments of short literals (-Wrestrict).
    saved.reg_board_background_use_default = std::string("0");
    saved.reg_Board_color1 = std::string("255");
    saved.reg_Font_color_Big = std::string("blue"); // not a number: loads, the dialog resets it
    ASSERT_TRUE(SaveSettings(saved, store));

    Settings loaded;
    LoadSettings(loaded, store);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(store.ReadString(kKey, "reg_Font_color_Big"), "blue");
}

TEST(SettingsStoreTest, PartlyWrittenKeyIsRepairedWithAllDefaults) {
    MemorySettingsStore store;
    ASSERT_TRUE(store.WriteString(kKey, "reg_Board_color1", "255"));
    Settings s;
    LoadSettings(s, store);
    EXPECT_EQ(s, Defaults());
    ExpectStoreHoldsDefaults(store);

    // An empty background flag counts as missing.
    Settings custom = Defaults();
    custom.reg_HighLight_color = std::string("12345");
    ASSERT_TRUE(SaveSettings(custom, store));
    ASSERT_TRUE(store.WriteString(kKey, "reg_board_background_use_default", ""));
    LoadSettings(s, store);
    EXPECT_EQ(s, Defaults());
    EXPECT_EQ(store.ReadString(kKey, "reg_HighLight_color"), "65535");
}

TEST(SettingsStoreTest, OtherMissingValuesReadAsEmptyText) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveSettings(Defaults(), store));
    store.RemoveValue(kKey, "reg_HighLight_color");
    EXPECT_FALSE(store.HasValue(kKey, "reg_HighLight_color"));
    Settings s;
    LoadSettings(s, store);
    EXPECT_EQ(s.reg_HighLight_color, "");
    EXPECT_EQ(s.reg_Board_color1, "13891060");
    EXPECT_FALSE(ColourFromSettingText(s.reg_HighLight_color).has_value());
}

TEST(SettingsStoreTest, UnwritableStoreLeavesDefaultsInMemory) {
    MemorySettingsStore store;
    store.SetWritable(false);
    Settings s;
    s.reg_Board_color1 = std::string("stale");
    LoadSettings(s, store);
    EXPECT_EQ(s, Defaults());
    EXPECT_FALSE(store.HasKey(kKey));
    EXPECT_FALSE(SaveSettings(s, store));
}

TEST(SettingsStoreTest, ColourTextIsPlainDecimal) {
    EXPECT_EQ(ColourFromSettingText("13891060"), 0xD3F5F4u);
    EXPECT_EQ(ColourFromSettingText("0"), 0u);
    EXPECT_EQ(ColourFromSettingText("16777215"), 0xFFFFFFu);
    // A 32-bit value would lose its top byte on the board.
    for (std::string_view bad : {"", "blue", "-1", "+5", " 5", "5 ", "$FF", "0x10", "16777216",
                                 "4294967295", "4294967296", "99999999999999999999"})
        EXPECT_FALSE(ColourFromSettingText(bad).has_value()) << bad;
}

TEST(SettingsStoreTest, FlagsAreZeroOrOneAndColoursFit24Bits) {
    Settings s = Defaults();
    EXPECT_TRUE(SettingsValid(s));
    s.reg_Font_use_default = std::string("2");
    EXPECT_FALSE(SettingsValid(s));
    s = Defaults();
    s.reg_HighLight_use_default.clear();
    EXPECT_FALSE(SettingsValid(s));
    s = Defaults();
    s.reg_Board_color2 = std::string("16777216");
    EXPECT_FALSE(SettingsValid(s));
}

} // namespace
} // namespace velmar
