// SPDX-License-Identifier: GPL-3.0-or-later
// The appearance rules without the dialog: the choice the settings hold, the
// repair of a colour that is not a number, storing a group, the preview
// board, and new colours on a game in play.
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

// Stores the defaults with some values changed.
void StoreDefaultsBut(
    SettingsBackend& store,
    std::initializer_list<std::pair<std::string Settings::*, const char*>> changes) {
    Settings s = Defaults();
    for (const auto& [field, text] : changes) s.*field = std::string(text);
    SaveSettings(s, store);
}

// Every cell of the preview that does not hold 5 has `colour`; those that do
// have the highlight.
int CellsOtherThan(const BoardDisplay& preview, TColor colour) {
    int others = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const bool five = preview.node(r, c).Text == "5";
            others += preview.CellColor(r, c) != (five ? preview.properties().highcolor : colour);
        }
    return others;
}

TEST(AppearanceTest, DefaultBoxesShowBuiltInColoursAndTheFivesTheHighlight) {
    MemorySettingsStore store;
    StoreDefaultsBut(store, {{&Settings::reg_Board_color1, "255"}});
    Settings s;
    const AppearanceChoice choice = LoadAppearanceChoice(s, store);
    EXPECT_EQ(choice.colour1, 255u);
    BoardDisplay preview(MainBoardProperties());
    SetUpPreview(preview);
    EXPECT_EQ(preview.node(1, 2).State, kStateGiven);
    EXPECT_EQ(preview.node(1, 3).State, kStatePlaced);
    EXPECT_TRUE(preview.CandidateVisible(3, 1, 9)); // "246789"
    for (AppearanceGroup g : kAppearanceGroups) ApplyToPreview(choice, g, preview);
    const BoardProperties& p = preview.properties();
    EXPECT_EQ(p.UNFoucsColor2, 14284791u);
    EXPECT_EQ(p.FONTColor2, kBlue);
    EXPECT_EQ(p.highcolor, 0x00FFFFu);
    EXPECT_EQ(preview.CellColor(1, 1), 0xFFFFFFu);
    EXPECT_EQ(preview.CaptionColor(1, 4), kBlack); // a given 6
    EXPECT_EQ(preview.CellColor(4, 9), 0x00FFFFu); // a given 5
    EXPECT_EQ(preview.CellColor(3, 7), 0x00FFFFu); // a placed 5
}

TEST(AppearanceTest, UncheckingBackgroundShowsTheStoredColoursEverywhere) {
    MemorySettingsStore store;
    Settings s;
    AppearanceChoice choice = LoadAppearanceChoice(s, store);
    BoardDisplay preview(MainBoardProperties());
    SetUpPreview(preview);
    choice.backgroundDefault = false;
    StoreGroup(choice, AppearanceGroup::Background, s);
    ApplyToPreview(choice, AppearanceGroup::Background, preview);
    EXPECT_EQ(s.reg_board_background_use_default, "0");
    EXPECT_EQ(CellsOtherThan(preview, 13891060), 0);
    EXPECT_EQ(preview.CandidateColor(1, 1, 4), 13891060u);
    // Only the group stored changes, and the store waits for OK.
    choice.fontDefault = false;
    StoreGroup(choice, AppearanceGroup::Background, s);
    EXPECT_EQ(s.reg_Font_use_default, "1");
    EXPECT_EQ(store.ReadString(kSettingsKeyPath, "reg_board_background_use_default"), "1");
}

TEST(AppearanceTest, ColourThatIsNotANumberStoresEveryDefaultSilently) {
    MemorySettingsStore store;
    const auto bad = {std::pair{&Settings::reg_Board_color2, "255"},
                      std::pair{&Settings::reg_Font_color_Big, "blue"}};
    StoreDefaultsBut(store, bad);
    Settings s;
    const AppearanceChoice choice = LoadAppearanceChoice(s, store);
    EXPECT_EQ(s, Defaults());
    EXPECT_EQ(choice, *ChoiceFromSettings(Defaults()));
    EXPECT_EQ(store.ReadString(kSettingsKeyPath, "reg_Board_color2"), "13891060");
    // A store that cannot be written keeps the bad text: the defaults hold
    // in memory and the load ends.
    StoreDefaultsBut(store, bad);
    store.SetWritable(false);
    EXPECT_EQ(LoadAppearanceChoice(s, store), choice);
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
    const BoardDisplay before = s.board();
    AppearanceChoice choice = *ChoiceFromSettings(Defaults());
    choice.fontDefault = false;
    choice.candidate = 0x0000AA;
    BoardProperties p = s.board().properties();
    ChooseAllColours(choice, p);
    s.SetProperties(p);
    EXPECT_EQ(s.board().CellColor(open.row, open.col), s.markColour());
    EXPECT_EQ(s.board().look(open.row, open.col).candidateColor, 0x0000AAu);
    int shownOtherwise = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            shownOtherwise +=
                s.board().look(r, c).candidateVisible != before.look(r, c).candidateVisible;
    EXPECT_EQ(shownOtherwise, 0);
}

} // namespace
} // namespace velmar::test
