// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the shipped language tables under data/lang/.
#include "text/language.h"
#include "text/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

namespace velmar {
namespace {

std::filesystem::path LangDir() {
    const char* source = std::getenv("VELMAR_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : ".") / "data" / "lang";
}

std::string RawTable(Language language) {
    const auto text = ReadTableFile(LangDir() / LanguageFileName(language));
    EXPECT_TRUE(text.has_value()) << LanguageFileName(language);
    return text.value_or("");
}

StringTable Table(Language language) {
    return ParseStringTable(RawTable(language));
}

std::set<std::string> KeySet(const StringTable& table) {
    const auto keys = table.Keys();
    return {keys.begin(), keys.end()};
}

// The keys the Japanese table is without; looking them up there gives "".
const std::set<std::string> kNotInJapanese = {"bthelp1.hint",
                                              "bthelp2.hint",
                                              "btsavepic.caption",
                                              "btsavepic.hint",
                                              "frmcopy.labelblank.caption",
                                              "frmda.button1.caption",
                                              "frmda.caption",
                                              "frmsolover.button2.caption",
                                              "frmsolover.caption",
                                              "frmsolover.doitforme",
                                              "frmsolover.nexthint",
                                              "frmsolover.thinking",
                                              "frmtile.advglowbutton1",
                                              "howtoclosetile",
                                              "msg_error",
                                              "msg_no_error",
                                              "rb_all_number_hint",
                                              "rb_one_number_hint"};
const std::set<std::string> kOnlyInJapanese = {"btpaste.caption", "btpaste.hint"};

TEST(LanguageTablesTest, EntryCountsAndKeySets) {
    const StringTable en = Table(Language::English);
    const StringTable zh = Table(Language::Chinese);
    const StringTable ja = Table(Language::Japanese);
    EXPECT_EQ(en.Size(), 300u);
    EXPECT_EQ(zh.Size(), 300u);
    // The English keys less the eighteen, plus the two paste-button keys.
    EXPECT_EQ(ja.Size(), 300u - kNotInJapanese.size() + kOnlyInJapanese.size());

    EXPECT_EQ(zh.Keys(), en.Keys()); // same keys in the same order

    std::set<std::string> expectedJa = KeySet(en);
    for (const auto& key : kNotInJapanese) EXPECT_EQ(expectedJa.erase(key), 1u) << key;
    expectedJa.insert(kOnlyInJapanese.begin(), kOnlyInJapanese.end());
    EXPECT_EQ(KeySet(ja), expectedJa);
}

TEST(LanguageTablesTest, FilesAreCleanUtf8TablesWithCrLf) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(LanguageFileName(language));
        const std::string raw = RawTable(language);
        ASSERT_FALSE(raw.empty());
        EXPECT_FALSE(raw.starts_with("\xEF\xBB\xBF"));
        EXPECT_TRUE(raw.ends_with("\r\n"));
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\n') {
                EXPECT_TRUE(i > 0 && raw[i - 1] == '\r') << "bare LF at " << i;
            }
            if (raw[i] == '\r') {
                EXPECT_TRUE(i + 1 < raw.size() && raw[i + 1] == '\n') << "bare CR at " << i;
            }
        }
        const StringTable table = ParseStringTable(raw);
        std::set<std::string> seen;
        for (const std::string& line : table.Lines()) {
            ASSERT_NE(line.find('='), std::string::npos) << line;
            const std::string key = line.substr(0, line.find('='));
            EXPECT_EQ(key, AsciiLower(key)) << "keys are stored in lower case";
            EXPECT_TRUE(seen.insert(key).second) << "duplicate key " << key;
        }
    }
}

TEST(LanguageTablesTest, TranslationsKeepPlaceholdersAcceleratorsAndBlanks) {
    const StringTable en = Table(Language::English);
    for (Language language : {Language::Chinese, Language::Japanese}) {
        const StringTable other = Table(language);
        for (const std::string& key : other.Keys()) {
            if (!en.Contains(key)) continue;
            SCOPED_TRACE(std::string(LanguageFileName(language)) + " " + key);
            const std::string source = en.LookupText(key);
            const std::string text = other.LookupText(key);
            if (!source.empty()) {
                EXPECT_FALSE(text.empty());
            }
            for (const char* placeholder : {"%1", "%2"})
                EXPECT_EQ(source.find(placeholder) != std::string::npos,
                          text.find(placeholder) != std::string::npos);
            EXPECT_EQ(std::count(source.begin(), source.end(), '&') == 1,
                      std::count(text.begin(), text.end(), '&') == 1);
            if (key.starts_with("msg_ndtxt_")) {
                EXPECT_TRUE(text.starts_with("  "));
            }
            if (key.ends_with("filter")) {
                EXPECT_EQ(std::count(source.begin(), source.end(), '|'),
                          std::count(text.begin(), text.end(), '|'));
            }
        }
    }
}

TEST(LanguageTablesTest, EnglishTextsAreTheProgramsOwn) {
    const StringTable en = Table(Language::English);
    const std::pair<const char*, const char*> expected[] = {
        {"msg_restart", "Are you sure you want to reset this game to the initial state?"},
        {"msg_ndtxt_veryeasy", "  Level:Very Easy"},
        {"msg_ndtxt_tough", "  Level:Tough"},
        {"msg_ndtxt_unkown", "  Level:Unknown"},
        {"msg_frm_new_unknow", "Level:Unknown"},
        {"msg_frmimport_81",
         "Enter a string of 81 numbers(you can express blanks as 0, * , ''.'')"},
        {"msg_frmimport_992",
         "Enter any rows,Each row with any letters.(you can express blanks as 0, ''.'',except "
         "''*'')"},
        {"frmimport.label1.caption",
         "Enter a string of 81 numbers(you can express blanks as 0, * , '.')"},
        {"msg_frm_new_twosolve2", "This puzzle has multiple solution"},
        {"msg_frmsave_queryexits", "This Game board name already exits,OK to overwrite it?"},
        {"msg_twosolve", "This Puzzle has at least two solutions,Press OK to view it."},
        {"msg_notcolor", "Left click sets the selected Candidature as Bignumber, right click "
                         "deletes such Candidature."},
        {"msg_rb_one", "Click the left mouse button to set the big number.Click the right mouse "
                       "button to clear big number or set pencilmarks."},
        {"msg_frmgamelist_unknown", "Unknown or N/A"},
        {"msg_frmdas_solution1", "Solution 1:"},
        {"msg_no_error", "No error found."},
        {"msg_puzzlesolved", "Puzzle solved"},
        {"mnfile.caption", "&File"},
        {"mnnewgame.caption", "&New Game"},
        {"mnabout.caption", "&About Velmar"},
        {"n18.caption", "-"},
        {"rb_none.caption", "Pencil and Paper"},
        {"rb_one.caption", "Part Candidates"},
        {"rb_all.hint", "In this mode, the system will automatically generate candidate numbers."},
        {"cbautoupdate.hint", "When this box checked,Will auto update candidate numbers."},
        {"colorgrid1.hint",
         "When Marking is checked, you can do color marking for each cell or Candidate."},
        {"disnote7.hint", "You can type number 1..9 to select it quickly."},
        {"btcreatediabolical.hint", "Create Sudoku:Diabolical"},
        {"btshowhint.hint", "Show hint"},
        {"btrejectbranch.hint", "Reject Branch"},
        {"btsavepic.caption", "Save as picture"},
        {"bthelp2.hint", "Help"},
        {"howtoclosetile", "Press ESC or click the main interface can hide this tile."},
        {"rb_all_number_hint", "Using the Tab key can switch between different figures, but also "
                               "can directly type number 1 .. 9"},
        {"frmsave.caption", "Save Your Game"},
        {"frmsave.radiogroup1.items[5]", "Unknown or N/A"},
        {"frmgamelist.caption", "Choose a sudoku"},
        {"frm_new.button3.caption", "&Clear Grid"},
        {"frmcopy.caption", "Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)"},
        {"frmcopy.radiogroup1.items[3]", "1*81"},
        {"frmprintselect.pg2.items[0]", "Small   (A4)"},
        {"frmprintselect.pg2.items[2]", "Big  (A2)"},
        {"frmprintselect.sudoku", "<font size=5>Sudoku</font><br>"},
        {"frmappearance.highpanle.caption", "Color"},
        {"frmdas.caption", "Multiple Solutions Viewer"},
        {"frmsolover.thinking", "Thinking..."},
        {"frmsolover.doitforme", "Do It For Me"},
        {"frmtile.advglowbutton1", "Automatic"},
        {"frm_about.lbl1.caption", "Sudoku Velmar"},
    };
    for (const auto& [key, text] : expected) EXPECT_EQ(en.LookupText(key), text) << key;
    EXPECT_TRUE(en.LookupText("frmprintselect.sudokuby").starts_with("<font size=2>"));
}

TEST(LanguageTablesTest, JapaneseLeavesItsMissingKeysEmpty) {
    const StringTable ja = Table(Language::Japanese);
    EXPECT_EQ(ja.LookupText("bthelp1.hint"), "");
    EXPECT_EQ(ja.LookupText("frmsolover.thinking"), "");
    EXPECT_NE(ja.LookupText("btpaste.hint"), "");
    // Its New Game menu caption carries two blanks on each side.
    const std::string newGame = ja.LookupText("mnnewgame.caption");
    EXPECT_TRUE(newGame.starts_with("  ") && !newGame.starts_with("   ")) << newGame;
    EXPECT_TRUE(newGame.ends_with("  ") && !newGame.ends_with("   ")) << newGame;
}

TEST(LanguageTablesTest, LanguageNames) {
    EXPECT_EQ(LanguageFromName("EN"), Language::English);
    EXPECT_EQ(LanguageFromName("chinese"), Language::Chinese);
    EXPECT_EQ(LanguageFromName("Japanese"), Language::Japanese);
    EXPECT_EQ(LanguageFromName("ja"), Language::Japanese);
    EXPECT_FALSE(LanguageFromName("klingon").has_value());
    EXPECT_EQ(LanguageNativeName(Language::Chinese), "中文");
    // The language menu shows each name in its own language in every table.
    for (Language language : kLanguages) {
        const StringTable table = Table(language);
        EXPECT_EQ(table.LookupText("mnchinese.caption"), LanguageNativeName(Language::Chinese));
        EXPECT_EQ(table.LookupText("mnjapanese.caption"), LanguageNativeName(Language::Japanese));
    }
}

} // namespace
} // namespace velmar
