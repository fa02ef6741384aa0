// SPDX-License-Identifier: GPL-3.0-or-later
// The translator's export: the active table followed by the main window's
// current texts, written as a table file that a translator starts a new
// language from.
#pragma once

#include "text/string_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmar {

// The main window's texts as they stand, each list in component order.
struct MainWindowTexts {
    struct Caption {
        std::string name;
        std::string caption;
    };
    struct ToolButton {
        std::string name;
        std::string caption;
        std::string hint;
    };
    std::vector<Caption> menuItems;
    std::vector<Caption> groupBoxes;
    std::vector<ToolButton> toolButtons;
    std::vector<Caption> radioButtons;
    std::vector<Caption> checkBoxes;
    std::vector<Caption> speedButtons;
};

// The export's entries for the window, in this order: captions of menu items,
// group boxes and tool buttons, hints of tool buttons, captions of radio
// buttons, check boxes and speed buttons. A line break inside a text would
// split its entry, so it is written as a blank.
std::vector<std::string> WindowTextLines(const MainWindowTexts& texts);

// The table text of a list of lines: UTF-8 without byte-order mark, every
// line ended by CR LF.
std::string TableText(const std::vector<std::string>& lines);

// Writes the active table's lines followed by the window's entries to `file`,
// replacing it. The active table itself is left as it is, so exporting twice
// gives the same file. False when the file cannot be written.
bool ExportTexts(const StringTable& active, const MainWindowTexts& texts,
                 const std::filesystem::path& file);

} // namespace velmar
