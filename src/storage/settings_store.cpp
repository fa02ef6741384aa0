// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_store.h"

#include "text/decimal.h"

namespace velmar {

const std::array<SettingValue, 9>& SettingValues() {
    static const std::array<SettingValue, 9> values = {{
        {"reg_board_background_use_default", &Settings::reg_board_background_use_default, "1"},
        {"reg_Board_color1", &Settings::reg_Board_color1, "13891060"}, // $D3F5F4
        {"reg_Board_color2", &Settings::reg_Board_color2, "13891060"},
        {"reg_Font_use_default", &Settings::reg_Font_use_default, "1"},
        {"reg_Font_color_Fix", &Settings::reg_Font_color_Fix, "0"},             // black
        {"reg_Font_color_Big", &Settings::reg_Font_color_Big, "16711680"},      // $FF0000, blue
        {"reg_Font_color_Candidate", &Settings::reg_Font_color_Candidate, "0"}, // black
        {"reg_HighLight_use_default", &Settings::reg_HighLight_use_default, "1"},
        {"reg_HighLight_color", &Settings::reg_HighLight_color, "65535"}, // $00FFFF, yellow
    }};
    return values;
}

void SetDefaultSettings(Settings& settings) {
    for (const SettingValue& value : SettingValues())
        settings.*value.field = std::string(value.defaultText);
}

bool SaveSettings(const Settings& settings, SettingsBackend& store) {
    for (const SettingValue& value : SettingValues()) {
        if (!store.WriteString(kSettingsKeyPath, value.name, settings.*value.field)) return false;
    }
    return store.Commit();
}

void LoadSettings(Settings& settings, SettingsBackend& store) {
    if (store.HasKey(kSettingsKeyPath)) {
        for (const SettingValue& value : SettingValues())
            settings.*value.field = store.ReadString(kSettingsKeyPath, value.name);
    } else {
        SetDefaultSettings(settings);
        SaveSettings(settings, store);
    }
    if (settings.reg_board_background_use_default.empty()) {
        SetDefaultSettings(settings);
        SaveSettings(settings, store);
    }
}

bool LoadAdvancedTechniques(const SettingsBackend& store) {
    return store.ReadString(kSettingsKeyPath, kAdvancedTechniquesValue) == "1";
}

bool SaveAdvancedTechniques(bool on, SettingsBackend& store) {
    return store.WriteString(kSettingsKeyPath, kAdvancedTechniquesValue, on ? "1" : "0") &&
           store.Commit();
}

std::optional<std::uint32_t> ColourFromSettingText(std::string_view text) {
    const std::optional<std::uint64_t> value = ParseDecimal(text);
    if (!value || *value > 0xFFFFFF) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

bool SettingsValid(const Settings& settings) {
    for (const SettingValue& value : SettingValues()) {
        const std::string& text = settings.*value.field;
        // The three flags are the "..._use_default" values.
        const bool flag = value.name.ends_with("_use_default");
        if (flag ? text != "0" && text != "1" : !ColourFromSettingText(text)) return false;
    }
    return true;
}

} // namespace velmar
