// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/string_table.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

constexpr const char* kRestart = "Are you sure you want to reset this game to the initial state?";

TEST(StringTableTest, KeysMatchWhateverTheLetterCase) {
    const StringTable table = ParseStringTable(std::string("msg_restart=") + kRestart + "\r\n");
    for (const char* key : {"msg_restart", "MSG_RESTART", "Msg_ReStArT"})
        EXPECT_EQ(table.LookupText(key), kRestart) << key;
    // Stored in mixed case, asked in lower case.
    EXPECT_EQ(ParseStringTable("msg_frmgamelist_VeryEasy=Very Easy")
                  .LookupText("msg_frmgamelist_veryeasy"),
              "Very Easy");
}

TEST(StringTableTest, KeyEndsAtFirstEqualsAndValueIsKeptWhole) {
    const StringTable table = ParseStringTable("a=b=c\r\n"
                                               "blank=  two blanks  \r\n"
                                               "empty=\r\n"
                                               "=no key\r\n"
                                               "no equals sign\r\n");
    EXPECT_EQ(table.LookupText("a"), "b=c");
    EXPECT_EQ(table.LookupText("a=b"), "");
    EXPECT_EQ(table.LookupText("blank"), "  two blanks  ");
    EXPECT_TRUE(table.Contains("empty"));
    EXPECT_EQ(table.LookupText("empty"), "");
    EXPECT_EQ(table.LookupText(""), "no key");
    EXPECT_FALSE(table.Contains("no equals sign"));
    EXPECT_EQ(table.LookupText("missing"), "");
    EXPECT_EQ(table.Size(), 5u);
    EXPECT_EQ(table.Keys(), (std::vector<std::string>{"a", "blank", "empty", ""}));
}

TEST(StringTableTest, FirstEntryOfAKeyWins) {
    StringTable table = ParseStringTable("Key=first\nKEY=second\n");
    EXPECT_EQ(table.LookupText("key"), "first");
    table.Append("key=third");
    table.Append("new=appended");
    EXPECT_EQ(table.LookupText("key"), "first");
    EXPECT_EQ(table.LookupText("NEW"), "appended");
    EXPECT_EQ(table.Size(), 4u);
}

TEST(StringTableTest, AcceptsByteOrderMarkAndAnyLineEnd) {
    const std::string bom = "\xEF\xBB\xBF";
    for (const std::string& text : {bom + "x=1\r\ny=2\r\n", std::string("x=1\ny=2\n"),
                                    std::string("x=1\ry=2"), bom + "x=1\r\ny=2"}) {
        const StringTable table = ParseStringTable(text);
        EXPECT_EQ(table.Size(), 2u);
        EXPECT_EQ(table.LookupText("x"), "1");
        EXPECT_EQ(table.LookupText("y"), "2");
    }
    // A mark anywhere but at the start is part of the text.
    EXPECT_EQ(ParseStringTable("x=" + bom).LookupText("x"), bom);
    // Empty lines inside the table are entries of their own.
    EXPECT_EQ(ParseStringTable("a=1\r\n\r\nb=2\r\n").Size(), 3u);
    EXPECT_EQ(ParseStringTable("").Size(), 0u);
    EXPECT_EQ(ParseStringTable(bom).Size(), 0u);
}

TEST(StringTableTest, LoadLanguageReplacesTheWholeTable) {
    StringTable active = ParseStringTable("a=1\nb=2\n");
    active.LoadLanguage(ParseStringTable("b=zwei\n"));
    EXPECT_EQ(active.LookupText("a"), "");
    EXPECT_EQ(active.LookupText("b"), "zwei");
    active.LoadLanguage("c=3");
    EXPECT_EQ(active.LookupText("b"), "");
    EXPECT_EQ(active.LookupText("c"), "3");
    EXPECT_EQ(active.Size(), 1u);
}

TEST(StringTableTest, OnlyAsciiLettersFoldCase) {
    // UTF-8 keys match byte for byte.
    const StringTable table = ParseStringTable("ÄBC.caption=x\n");
    EXPECT_EQ(table.LookupText("Äbc.CAPTION"), "x");
    EXPECT_EQ(table.LookupText("äbc.caption"), "");
}

} // namespace
} // namespace velmar
