// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/export_texts.h"

#include <fstream>

namespace velmar {

namespace {

std::string Entry(const std::string& name, std::string_view property, const std::string& text) {
    std::string line = name + '.';
    line += property;
    line += '=';
    for (char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
    return line;
}

void AddCaptions(std::vector<std::string>& lines,
                 const std::vector<MainWindowTexts::Caption>& captions) {
    for (const auto& item : captions) lines.push_back(Entry(item.name, "caption", item.caption));
}

} // namespace

std::vector<std::string> WindowTextLines(const MainWindowTexts& texts) {
    std::vector<std::string> lines;
    AddCaptions(lines, texts.menuItems);
    AddCaptions(lines, texts.groupBoxes);
    for (const auto& button : texts.toolButtons)
        lines.push_back(Entry(button.name, "caption", button.caption));
    for (const auto& button : texts.toolButtons)
        lines.push_back(Entry(button.name, "hint", button.hint));
    AddCaptions(lines, texts.radioButtons);
    AddCaptions(lines, texts.checkBoxes);
    AddCaptions(lines, texts.speedButtons);
    return lines;
}

std::string TableText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool ExportTexts(const StringTable& active, const MainWindowTexts& texts,
                 const std::filesystem::path& file) {
    std::vector<std::string> lines = active.Lines();
    for (std::string& line : WindowTextLines(texts)) lines.push_back(std::move(line));
    const std::string text = TableText(lines);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace velmar
