// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the settings file: reading must keep what it can, the
// text it writes must read back to the same values and the same text, and a
// start over it must leave nine valid values that the next start reads.
#include "storage/ini_settings_store.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

constexpr std::string_view kKey = velmar::kSettingsKeyPath;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmar::IniSettingsStore store;
    store.Load(text);

    // The written text is stable and means the same.
    const std::string written = store.Text();
    velmar::IniSettingsStore again;
    again.Load(written);
    require(again.Text() == written);
    require(again.HasKey(kKey) == store.HasKey(kKey));
    for (const velmar::SettingValue& value : velmar::SettingValues())
        require(again.ReadString(kKey, value.name) == store.ReadString(kKey, value.name));

    // Any value, the input's last line included, is stored and read back whole.
    const std::string_view odd = text.substr(text.rfind('\n') + 1);
    require(again.WriteString(kKey, "odd", odd));
    velmar::IniSettingsStore oddStore;
    oddStore.Load(again.Text());
    require(oddStore.ReadString(kKey, "odd") == odd);

    // A start repairs whatever it finds.
    velmar::Settings settings;
    velmar::LoadSettings(settings, store);
    if (!velmar::SettingsValid(settings)) {
        velmar::SetDefaultSettings(settings);
        require(velmar::SaveSettings(settings, store));
    }
    velmar::IniSettingsStore next;
    next.Load(store.Text());
    velmar::Settings reread;
    velmar::LoadSettings(reread, next);
    require(reread == settings && velmar::SettingsValid(reread));
    return 0;
}
