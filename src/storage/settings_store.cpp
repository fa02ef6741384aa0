// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_store.h"

#include <charconv>

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
    return true;
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

std::optional<std::uint32_t> ColourFromSettingText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    std::uint32_t colour = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), colour);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return colour;
}

} // namespace velmar
