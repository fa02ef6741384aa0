// SPDX-License-Identifier: GPL-3.0-or-later
// The appearance rules without the dialog: the choice the settings hold, the
// repair of a colour that is not a number, storing a group, the preview
// board, and the stored colours on a game in play.
#include "game/appearance.h"
#include "session_fixture.h"
#include "storage/settings_memory_store.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

Settings Defaults() {
    Settings s;
    SetDefaultSettings(s);
    return s;
}

TEST(AppearanceTest, DefaultBoxesShowTheBuiltInColoursWhateverIsStored) {
    MemorySettingsStore store;
    Settings stored = Defaults();
    stored.reg_Board_color1 = std::string("255");
    stored.reg_Font_color_Fix = std::string("65280");
    stored.reg_HighLight_color = std::string("32768");
    SaveSettings(stored, store);
    Settings s;
    const AppearanceChoice choice = LoadAppearanceChoice(s, store);
    EXPECT_TRUE(choice.backgroundDefault && choice.fontDefault && choice.highlightDefault);
    EXPECT_EQ(choice.colour1, 255u);
    EXPECT_EQ(choice.highlight, 32768u);

    BoardDisplay preview(MainBoardProperties());
    SetUpPreview(preview);
    for (AppearanceGroup g :
         {AppearanceGroup::Background, AppearanceGroup::FontColors, AppearanceGroup::Highlight})
        ApplyToPreview(choice, g, preview);
    const BoardProperties& p = preview.properties();
    EXPECT_EQ(p.UNFoucsColor1, 0xFFFFFFu);
    EXPECT_EQ(p.UNFoucsColor2, 14284791u);
    EXPECT_EQ(p.FONTColor1, kBlack);
    EXPECT_EQ(p.FONTColor2, kBlue);
    EXPECT_EQ(p.FONTColor3, kBlack);
    EXPECT_EQ(p.highcolor, 0x00FFFFu);
    EXPECT_EQ(preview.CellColor(1, 1), 0xFFFFFFu); // box 1
    EXPECT_EQ(preview.CellColor(1, 4), 14284791u); // box 2, a given 6
    EXPECT_EQ(preview.CaptionColor(1, 4), kBlack);
}

TEST(AppearanceTest, PreviewHoldsItsPositionAndHighlightsEveryFive) {
    BoardDisplay preview(MainBoardProperties());
    SetUpPreview(preview);
    EXPECT_EQ(preview.node(1, 2).State, kStateGiven);
    EXPECT_EQ(preview.node(1, 3).State, kStatePlaced);
    EXPECT_EQ(preview.node(3, 1).Text, "246789");
    EXPECT_TRUE(preview.CandidateVisible(3, 1, 9));
    Settings s = Defaults();
    AppearanceChoice choice = *ChoiceFromSettings(s);
    choice.highlightDefault = false;
    choice.highlight = 0x123456;
    ApplyToPreview(choice, AppearanceGroup::Highlight, preview);
    int fives = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const bool five = preview.node(r, c).Text == "5";
            fives += five;
            EXPECT_EQ(preview.CellColor(r, c) == 0x123456u, five) << r << c;
        }
    EXPECT_EQ(fives, 9); // givens and placed digits
}

TEST(AppearanceTest, UncheckingBackgroundStoresAndShowsTheStoredColours) {
    MemorySettingsStore store;
    Settings s;
    AppearanceChoice choice = LoadAppearanceChoice(s, store);
    EXPECT_EQ(choice.colour1, 13891060u);
    EXPECT_EQ(choice.colour2, 13891060u);
    BoardDisplay preview(MainBoardProperties());
    SetUpPreview(preview);
    choice.backgroundDefault = false;
    StoreGroup(choice, AppearanceGroup::Background, s);
    ApplyToPreview(choice, AppearanceGroup::Background, preview);
    EXPECT_EQ(s.reg_board_background_use_default, "0");
    EXPECT_EQ(s.reg_Board_color1, "13891060");
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            if (preview.node(r, c).Text == "5") continue; // the highlight
            EXPECT_EQ(preview.CellColor(r, c), 13891060u);
            if (preview.node(r, c).State == kStateOpen) {
                EXPECT_EQ(preview.CandidateColor(r, c, 1), 13891060u);
            }
        }
    // Only the group stored changes; the store itself waits for OK.
    choice.fontDefault = false;
    choice.big = 77;
    StoreGroup(choice, AppearanceGroup::Background, s);
    EXPECT_EQ(s.reg_Font_use_default, "1");
    EXPECT_EQ(store.ReadString(kSettingsKeyPath, "reg_board_background_use_default"), "1");
    StoreGroup(choice, AppearanceGroup::FontColors, s);
    EXPECT_EQ(s.reg_Font_color_Big, "77");
}

TEST(AppearanceTest, ColourThatIsNotANumberStoresEveryDefaultSilently) {
    MemorySettingsStore store;
    Settings bad = Defaults();
    bad.reg_Board_color2 = std::string("255");
    bad.reg_Font_color_Big = std::string("blue");
    SaveSettings(bad, store);
    Settings s;
    const AppearanceChoice choice = LoadAppearanceChoice(s, store);
    EXPECT_EQ(s, Defaults());
    EXPECT_EQ(choice, *ChoiceFromSettings(Defaults()));
    for (const SettingValue& v : SettingValues())
        EXPECT_EQ(store.ReadString(kSettingsKeyPath, v.name), v.defaultText) << v.name;

    // A store that cannot be written keeps the bad text: the defaults hold
    // in memory and the load ends.
    SaveSettings(bad, store);
    store.SetWritable(false);
    EXPECT_EQ(LoadAppearanceChoice(s, store), choice);
    EXPECT_EQ(s, Defaults());
}

TEST(AppearanceTest, NewColoursKeepTheGameInPlayAsItsModeShowsIt) {
    SessionFixture f;
    PlaySession& s = f.s;
    s.ChooseMode(OperationMode::PartCandidates);
    s.SelectDigit(3);
    const Cell open = f.CellsIn(kStateOpen).front();
    s.SetMarking(true);
    s.CellClick(open.row, open.col, MouseButton::Left);
    s.SetMarking(false);
    BoardDisplay before = s.board();

    BoardProperties p = s.board().properties();
    AppearanceChoice choice = *ChoiceFromSettings(Defaults());
    choice.fontDefault = false;
    choice.candidate = 0x0000AA;
    ChooseAllColours(choice, p);
    s.SetProperties(p);
    EXPECT_EQ(s.board().CellColor(open.row, open.col), s.markColour());
    int shownOtherwise = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            for (int d = 1; d <= 9; ++d)
                shownOtherwise +=
                    s.board().CandidateVisible(r, c, d) != before.CandidateVisible(r, c, d);
    EXPECT_EQ(shownOtherwise, 0);
    EXPECT_EQ(s.board().look(open.row, open.col).candidateColor, 0x0000AAu);
}

} // namespace
} // namespace velmar::test
