// SPDX-License-Identifier: GPL-3.0-or-later
// The user settings: nine text values (flags "1"/"0", colours as the decimal
// text of $00BBGGRR) under one per-user key, read at start-up and written when
// defaults are set up or the player confirms the appearance. The store itself
// sits behind a small key/value interface: the registry on Windows, QSettings
// elsewhere, a map in the tests.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

inline constexpr std::string_view kSettingsKeyPath = "SOFTWARE\\Velmar";

// A per-user store of string values grouped under keys.
class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;
    // Whether the key exists, i.e. can be opened for reading.
    virtual bool HasKey(std::string_view keyPath) const = 0;
    virtual bool HasValue(std::string_view keyPath, std::string_view name) const = 0;
    // The value's text; empty when the key or the value is missing.
    virtual std::string ReadString(std::string_view keyPath, std::string_view name) const = 0;
    // Creates the key when needed. False when the store cannot be written.
    virtual bool WriteString(std::string_view keyPath, std::string_view name,
                             std::string_view value) = 0;
    // Stores what was written, once per save; false when that failed. A store
    // that writes each value at once has nothing left to do.
    virtual bool Commit() { return true; }
};

// The in-memory settings, one text field per stored value, named like it.
struct Settings {
    std::string reg_board_background_use_default;
    std::string reg_Board_color1;
    std::string reg_Board_color2;
    std::string reg_Font_use_default;
    std::string reg_Font_color_Fix;
    std::string reg_Font_color_Big;
    std::string reg_Font_color_Candidate;
    std::string reg_HighLight_use_default;
    std::string reg_HighLight_color;

    bool operator==(const Settings&) const = default;
};

// One stored value: its name, its field and its default text.
struct SettingValue {
    std::string_view name;
    std::string Settings::*field;
    std::string_view defaultText;
};

// The nine values in storing order.
const std::array<SettingValue, 9>& SettingValues();

// Every field takes its default text.
void SetDefaultSettings(Settings& settings);

// Writes all nine fields under the settings key, then commits them. False
// when the store cannot be written; the program then goes on with the
// in-memory values.
bool SaveSettings(const Settings& settings, SettingsBackend& store);

// Reads the nine values (a missing one reads as empty text). A missing key is
// created with the defaults; so is a key without a background flag, which is
// how a partly written key is repaired. Other odd values are read as they are.
void LoadSettings(Settings& settings, SettingsBackend& store);

// The "Advanced techniques" switch of the hint engine, stored as its own
// value ("1" on, "0" off) beside the nine: a store without it (every file
// written before the switch existed) reads as off, and the nine values and
// their repair never touch it.
inline constexpr std::string_view kAdvancedTechniquesValue = "AdvancedTechniques";
bool LoadAdvancedTechniques(const SettingsBackend& store);
// Writes the switch and commits it; false when the store cannot be written.
bool SaveAdvancedTechniques(bool on, SettingsBackend& store);

// The colour of a colour field: plain decimal digits of a 24-bit colour,
// 0..16777215. Nothing for any other text.
std::optional<std::uint32_t> ColourFromSettingText(std::string_view text);

// Every flag "0" or "1" and every colour readable. Settings that are not make
// the appearance store all nine defaults again.
bool SettingsValid(const Settings& settings);

} // namespace velmar
