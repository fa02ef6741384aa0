// SPDX-License-Identifier: GPL-3.0-or-later
// Times a start over a settings file with many foreign keys and a damaged
// value: read the text, load the nine values, repair them, write the text
// once. The time should grow with the file's size alone, never with a sync
// per value.
#include "storage/ini_settings_store.h"

#include <chrono>
#include <cstdio>
#include <string>

int main() {
    using Clock = std::chrono::steady_clock;
    for (int foreign : {0, 100'000, 1'000'000}) {
        std::string text = "[General]\n";
        for (int i = 0; i < foreign; ++i) text += "key" + std::to_string(i) + "=value\n";
        text += "[SOFTWARE]\nVelmar\\reg_board_background_use_default=1\n"
                "Velmar\\reg_Board_color1=4294967295\n";

        const auto start = Clock::now();
        velmar::IniSettingsStore store;
        store.Load(text);
        velmar::Settings settings;
        velmar::LoadSettings(settings, store);
        if (!velmar::SettingsValid(settings)) {
            velmar::SetDefaultSettings(settings);
            velmar::SaveSettings(settings, store);
        }
        const std::string written = store.Text();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (written.size() < text.size()) return 1;
        std::printf("settings start, %7d foreign keys (%5.1f MB): %8.1f ms (target 100 ms per "
                    "100,000 keys)\n",
                    foreign, static_cast<double>(text.size()) / 1e6, ms);
    }
    return 0;
}
