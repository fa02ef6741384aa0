// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/appearance.h"

#include <array>
#include <string_view>

namespace velmar {

namespace {

bool Flag(const std::string& text) {
    return text == "1";
}

std::string FlagText(bool on) {
    return on ? "1" : "0";
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

std::optional<AppearanceChoice> ChoiceFromSettings(const Settings& s) {
    const auto colour1 = ColourFromSettingText(s.reg_Board_color1);
    const auto colour2 = ColourFromSettingText(s.reg_Board_color2);
    const auto given = ColourFromSettingText(s.reg_Font_color_Fix);
    const auto big = ColourFromSettingText(s.reg_Font_color_Big);
    const auto candidate = ColourFromSettingText(s.reg_Font_color_Candidate);
    const auto highlight = ColourFromSettingText(s.reg_HighLight_color);
    if (!colour1 || !colour2 || !given || !big || !candidate || !highlight) return std::nullopt;
    return AppearanceChoice{Flag(s.reg_board_background_use_default),
                            *colour1,
                            *colour2,
                            Flag(s.reg_Font_use_default),
                            *given,
                            *big,
                            *candidate,
                            Flag(s.reg_HighLight_use_default),
                            *highlight};
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
    switch (group) {
    case AppearanceGroup::Background:
        s.reg_board_background_use_default = FlagText(choice.backgroundDefault);
        s.reg_Board_color1 = std::to_string(choice.colour1);
        s.reg_Board_color2 = std::to_string(choice.colour2);
        return;
    case AppearanceGroup::FontColors:
        s.reg_Font_use_default = FlagText(choice.fontDefault);
        s.reg_Font_color_Fix = std::to_string(choice.given);
        s.reg_Font_color_Big = std::to_string(choice.big);
        s.reg_Font_color_Candidate = std::to_string(choice.candidate);
        return;
    case AppearanceGroup::Highlight:
        s.reg_HighLight_use_default = FlagText(choice.highlightDefault);
        s.reg_HighLight_color = std::to_string(choice.highlight);
        return;
    }
}

void ChooseColours(const AppearanceChoice& choice, AppearanceGroup group, BoardProperties& p) {
    switch (group) {
    case AppearanceGroup::Background: {
        const bool builtIn = choice.backgroundDefault;
        p.UNFoucsColor1 = builtIn ? kBuiltInColour1 : choice.colour1;
        p.UNFoucsColor2 = builtIn ? kBuiltInColour2 : choice.colour2;
        return;
    }
    case AppearanceGroup::FontColors: {
        const bool builtIn = choice.fontDefault;
        p.FONTColor1 = builtIn ? kBuiltInGiven : choice.given;
        p.FONTColor2 = builtIn ? kBuiltInBig : choice.big;
        p.FONTColor3 = builtIn ? kBuiltInCandidate : choice.candidate;
        return;
    }
    case AppearanceGroup::Highlight:
        p.highcolor = choice.highlightDefault ? kBuiltInHighlight : choice.highlight;
        return;
    }
}

void ChooseAllColours(const AppearanceChoice& choice, BoardProperties& p) {
    for (AppearanceGroup g :
         {AppearanceGroup::Background, AppearanceGroup::FontColors, AppearanceGroup::Highlight})
        ChooseColours(choice, g, p);
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
