// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a language table: loading and looking up must never
// crash, and a found value must be the text after its line's first "=".
#include "text/string_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmar::StringTable table;
    table.LoadLanguage(text);

    for (std::string_view key :
         {"msg_restart", "MNNEWGAME.CAPTION", "frmsolover.thinking", "", "=", "a"}) {
        const std::string value = table.LookupText(key);
        if (!table.Contains(key) && !value.empty()) std::abort();
    }
    // Every key finds the value of the first line carrying it.
    std::map<std::string, std::string> firstValues;
    for (const std::string& line : table.Lines()) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        firstValues.try_emplace(velmar::AsciiLower(line.substr(0, eq)), line.substr(eq + 1));
    }
    for (const auto& [key, value] : firstValues) {
        if (table.LookupText(key) != value) std::abort();
    }

    // Loading the table's own re-joined lines gives the same table back.
    std::string joined;
    for (const std::string& line : table.Lines()) joined += line + "\r\n";
    velmar::StringTable again;
    again.LoadLanguage(joined);
    if (again.Lines() != table.Lines() && !text.starts_with("\xEF\xBB\xBF\xEF\xBB\xBF")) {
        std::abort();
    }
    return 0;
}
