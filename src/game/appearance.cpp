// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/appearance.h"

#include <array>
#include <string_view>

namespace velmar {

namespace {

// Each group's "Default Color" check box in the choice and in the settings,
// in the order of AppearanceGroup.
struct GroupFlag {
    bool AppearanceChoice::*flag;
    std::string Settings::*setting;
};
constexpr std::array<GroupFlag, 3> kGroupFlags = {{
    {&AppearanceChoice::backgroundDefault, &Settings::reg_board_background_use_default},
    {&AppearanceChoice::fontDefault, &Settings::reg_Font_use_default},
    {&AppearanceChoice::highlightDefault, &Settings::reg_HighLight_use_default},
}};

std::string Settings::*FlagSetting(AppearanceGroup group) {
    return kGroupFlags[static_cast<std::size_t>(group)].setting;
}

// The preview, row by row: "*" marks a given, one digit is a placed digit,
// longer entries are the candidates of an open cell.
constexpr std::array<std::string_view, 81> kPreview = {
    "48",     "*1",   "5",    "*6",  "2",    "*9",   "48",    "3",    "*7",   //
    "4689",   "48",   "*3",   "*7",  "48",   "5",    "*2",    "1469", "1468", //
    "246789", "2478", "2679", "148", "*3",   "148",  "5",     "1469", "1468", //
    "2467",   "3",    "1267", "489", "4789", "4678", "147",   "1467", "*5",   //
    "467",    "47",   "*8",   "5",   "*1",   "467",  "*3",    "*2",   "9",    //
    "5",      "*9",   "167",  "3",   "47",   "*2",   "147",   "*8",   "146",  //
    "3",      "*6",   "79",   "*2",  "*5",   "1478", "14789", "1479", "148",  //
    "*1",     "5",    "79",   "489", "*6",   "3",    "4789",  "479",  "*2",   //
    "2789",   "278",  "*4",   "189", "789",  "178",  "6",     "*5",   "*3",   //
};

void PaintFives(BoardDisplay& preview) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (preview.node(r, c).Text == "5")
                preview.SetCellColor(r, c, preview.properties().highcolor);
}

} // namespace

const std::array<AppearanceBox, 6>& AppearanceBoxes() {
    using C = AppearanceChoice;
    using S = Settings;
    using P = BoardProperties;
    constexpr AppearanceGroup kBack = AppearanceGroup::Background;
    constexpr AppearanceGroup kFont = AppearanceGroup::FontColors;
    static const std::array<AppearanceBox, 6> boxes = {{
        {kBack, &C::colour1, &S::reg_Board_color1, &P::UNFoucsColor1, kBuiltInColour1},
        {kBack, &C::colour2, &S::reg_Board_color2, &P::UNFoucsColor2, kBuiltInColour2},
        {kFont, &C::given, &S::reg_Font_color_Fix, &P::FONTColor1, kBuiltInGiven},
        {kFont, &C::big, &S::reg_Font_color_Big, &P::FONTColor2, kBuiltInBig},
        {kFont, &C::candidate, &S::reg_Font_color_Candidate, &P::FONTColor3, kBuiltInCandidate},
        {AppearanceGroup::Highlight, &C::highlight, &S::reg_HighLight_color, &P::highcolor,
         kBuiltInHighlight},
    }};
    return boxes;
}

bool AppearanceChoice::*DefaultFlag(AppearanceGroup group) {
    return kGroupFlags[static_cast<std::size_t>(group)].flag;
}

std::optional<AppearanceChoice> ChoiceFromSettings(const Settings& s) {
    // A flag other than "0"/"1" or a colour beyond 24 bits is as damaged as a
    // colour that is no number.
    if (!SettingsValid(s)) return std::nullopt;
    AppearanceChoice choice;
    for (AppearanceGroup g : kAppearanceGroups) choice.*DefaultFlag(g) = s.*FlagSetting(g) == "1";
    for (const AppearanceBox& box : AppearanceBoxes()) {
        const auto colour = ColourFromSettingText(s.*box.setting);
        if (!colour) return std::nullopt;
        choice.*box.colour = *colour;
    }
    return choice;
}

AppearanceChoice LoadAppearanceChoice(Settings& settings, SettingsBackend& store) {
    LoadSettings(settings, store);
    if (auto choice = ChoiceFromSettings(settings)) return *choice;
    SetDefaultSettings(settings);
    SaveSettings(settings, store);
    // Loading again reads the defaults back. A store that cannot be written
    // still holds the bad text, so then the defaults in memory hold instead of
    // loading round and round.
    Settings reread;
    LoadSettings(reread, store);
    if (auto choice = ChoiceFromSettings(reread)) {
        settings = reread;
        return *choice;
    }
    return *ChoiceFromSettings(settings);
}

void StoreGroup(const AppearanceChoice& choice, AppearanceGroup group, Settings& s) {
    // std::string, not a literal: g++ 12 misreports short literal assignments (-Wrestrict).
    s.*FlagSetting(group) = std::string(choice.*DefaultFlag(group) ? "1" : "0");
    for (const AppearanceBox& box : AppearanceBoxes())
        if (box.group == group) s.*box.setting = std::to_string(choice.*box.colour);
}

void ChooseColours(const AppearanceChoice& choice, AppearanceGroup group, BoardProperties& p) {
    const bool builtIn = choice.*DefaultFlag(group);
    for (const AppearanceBox& box : AppearanceBoxes())
        if (box.group == group) p.*box.property = builtIn ? box.builtIn : choice.*box.colour;
}

void ChooseAllColours(const AppearanceChoice& choice, BoardProperties& p) {
    for (AppearanceGroup g : kAppearanceGroups) ChooseColours(choice, g, p);
}

void SetUpPreview(BoardDisplay& preview) {
    for (int i = 0; i < 81; ++i) {
        std::string_view entry = kPreview[static_cast<std::size_t>(i)];
        TPicNode& n = preview.node(i / 9 + 1, i % 9 + 1);
        const bool given = entry.front() == '*';
        if (given) entry.remove_prefix(1);
        n.Text = std::string(entry);
        n.State = given ? kStateGiven : entry.size() == 1 ? kStatePlaced : kStateOpen;
    }
    preview.RedrawFull();
}

void ApplyToPreview(const AppearanceChoice& choice, AppearanceGroup group, BoardDisplay& preview) {
    ChooseColours(choice, group, preview.properties());
    if (group != AppearanceGroup::Highlight) {
        preview.RedrawAll();
        if (group == AppearanceGroup::Background)
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c)
                    if (preview.node(r, c).State == kStateOpen)
                        preview.SetCandidatesColor(r, c, preview.CellColor(r, c));
    }
    PaintFives(preview);
}

} // namespace velmar
