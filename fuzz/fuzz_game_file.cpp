// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the last-game and replay reader: any bytes are either refused with a
// line inside the text, or read into a game whose written file reads back to
// the very same game.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmar::GameFileRead read = velmar::ReadGameFile(text);
    if (!read.File) {
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        if (read.Error.Message.empty() || read.Error.Line < 0 || read.Error.Line > lines + 2)
            std::abort();
        return 0;
    }
    const velmar::GameFile& file = *read.File;
    if (file.Level < 0 || file.Level > 5 || file.Givens.size() != 81 || file.Steps.empty() ||
        (!file.Solution.empty() && file.Solution.size() != 81))
        std::abort();
    const std::string written = velmar::WriteGameFile(file);
    const velmar::GameFileRead again = velmar::ReadGameFile(written);
    if (!again.File || !(*again.File == file)) std::abort();
    return 0;
}
