// SPDX-License-Identifier: GPL-3.0-or-later
// The board's appearance: three groups of colours (background, fonts,
// highlight), each either the built-in colours ("Default Color") or the
// player's own. An AppearanceChoice is what the appearance dialog shows, its
// check boxes and colour boxes; it comes from the settings, goes back into
// them group by group, and turns into the colours of a board.
#pragma once

#include "game/board_display.h"
#include "storage/settings_store.h"

#include <array>

namespace velmar {

// The colours a group takes while its "Default Color" is checked.
inline constexpr TColor kBuiltInColour1 = 0xFFFFFF; // boxes 1, 3, 5, 7, 9
inline constexpr TColor kBuiltInColour2 = 14284791; // boxes 2, 4, 6, 8 ($D9F7F7)
inline constexpr TColor kBuiltInGiven = kBlack;
inline constexpr TColor kBuiltInBig = kBlue;
inline constexpr TColor kBuiltInCandidate = kBlack;
inline constexpr TColor kBuiltInHighlight = 0x00FFFF; // yellow

enum class AppearanceGroup { Background, FontColors, Highlight };
inline constexpr std::array<AppearanceGroup, 3> kAppearanceGroups = {
    AppearanceGroup::Background, AppearanceGroup::FontColors, AppearanceGroup::Highlight};

struct AppearanceChoice {
    bool backgroundDefault = true; // CheckBox1
    TColor colour1 = 0;            // Panel1
    TColor colour2 = 0;            // Panel2
    bool fontDefault = true;       // CheckBox2
    TColor given = 0;              // fpanel1
    TColor big = 0;                // fpanel2
    TColor candidate = 0;          // fpanel3
    bool highlightDefault = true;  // CheckBox3
    TColor highlight = 0;          // highpanle

    bool operator==(const AppearanceChoice&) const = default;
};

// One colour box: its group, where its colour lives in the choice, the
// settings and the board, and the built-in colour it stands for.
struct AppearanceBox {
    AppearanceGroup group;
    TColor AppearanceChoice::*colour;
    std::string Settings::*setting;
    TColor BoardProperties::*property;
    TColor builtIn;
};

// The six colour boxes in the dialog's order: Panel1, Panel2, fpanel1,
// fpanel2, fpanel3, highpanle.
const std::array<AppearanceBox, 6>& AppearanceBoxes();

// Where the choice holds a group's "Default Color" check box.
bool AppearanceChoice::*DefaultFlag(AppearanceGroup group);

// The choice the settings hold, or nothing when a colour text is not a
// decimal number.
std::optional<AppearanceChoice> ChoiceFromSettings(const Settings& settings);

// LoadSettings, then the choice they hold. A colour that cannot be read
// stores the nine defaults (silently) and loads again.
AppearanceChoice LoadAppearanceChoice(Settings& settings, SettingsBackend& store);

// One group's check box ("1" checked, "0" not) and colour boxes (decimal
// text) into the settings fields.
void StoreGroup(const AppearanceChoice& choice, AppearanceGroup group, Settings& settings);

// The board colours of one group: built-in or from the colour boxes.
void ChooseColours(const AppearanceChoice& choice, AppearanceGroup group, BoardProperties& p);
void ChooseAllColours(const AppearanceChoice& choice, BoardProperties& p);

// The fixed position of the dialog's preview board, drawn as a restored
// position.
void SetUpPreview(BoardDisplay& preview);

// Applies one group to the preview board: background and fonts redraw it
// with every candidate shown, and every group ends with the highlight, which
// the preview shows on each cell holding 5.
void ApplyToPreview(const AppearanceChoice& choice, AppearanceGroup group, BoardDisplay& preview);

} // namespace velmar
