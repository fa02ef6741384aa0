// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/relabel_rules.h"

namespace velmar {

std::string LabelKey(std::string_view componentName, std::string_view property) {
    std::string key(componentName);
    key += '.';
    key += property;
    return key;
}

std::string_view TrimBlanks(std::string_view text) {
    // Every byte up to the blank counts, as the program's other trims do;
    // bytes of UTF-8 sequences are all above it and stay.
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<std::string> RelabelledText(LabelKind kind, std::string_view lookedUp) {
    switch (kind) {
    case LabelKind::MenuItemCaption:
        if (lookedUp.empty()) return std::nullopt;
        return std::string(TrimBlanks(lookedUp));
    case LabelKind::SpeedButtonCaption:
        if (lookedUp.empty()) return std::nullopt;
        return std::string(lookedUp);
    case LabelKind::GroupBoxCaption:
    case LabelKind::ToolButtonCaption:
    case LabelKind::RadioButtonCaption:
    case LabelKind::CheckBoxCaption:
    case LabelKind::Hint:
        return std::string(lookedUp);
    }
    return std::nullopt;
}

} // namespace velmar
