// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/appearance_apply.h"

#include "game/play_session.h"

namespace velmar {

namespace {

constexpr TColor kBuiltInColour1 = 0xFFFFFF;
constexpr TColor kBuiltInColour2 = 14284791;
constexpr TColor kBuiltInGiven = 0x000000;
constexpr TColor kBuiltInBig = 0xFF0000;
constexpr TColor kBuiltInCandidate = 0x000000;
constexpr TColor kBuiltInHighlight = 0x00FFFF;

TColor Pick(const std::string& flag, TColor builtIn, const std::string& stored) {
    return flag == "1" ? builtIn : ColourFromSettingText(stored).value_or(builtIn);
}

} // namespace

void ApplyStoredAppearance(PlaySession& session, Settings& settings, SettingsBackend& store) {
    if (!SettingsValid(settings)) {
        SetDefaultSettings(settings);
        SaveSettings(settings, store);
    }
    BoardProperties p = session.board().properties();
    p.UNFoucsColor1 =
        Pick(settings.reg_board_background_use_default, kBuiltInColour1, settings.reg_Board_color1);
    p.UNFoucsColor2 =
        Pick(settings.reg_board_background_use_default, kBuiltInColour2, settings.reg_Board_color2);
    p.FONTColor1 = Pick(settings.reg_Font_use_default, kBuiltInGiven, settings.reg_Font_color_Fix);
    p.FONTColor2 = Pick(settings.reg_Font_use_default, kBuiltInBig, settings.reg_Font_color_Big);
    p.FONTColor3 =
        Pick(settings.reg_Font_use_default, kBuiltInCandidate, settings.reg_Font_color_Candidate);
    p.highcolor =
        Pick(settings.reg_HighLight_use_default, kBuiltInHighlight, settings.reg_HighLight_color);
    session.SetProperties(p);
}

} // namespace velmar
