// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/relabel_rules.h"

#include "text/trim.h"

namespace velmar {

std::string LabelKey(std::string_view componentName, std::string_view property) {
    std::string key(componentName);
    key += '.';
    key += property;
    return key;
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
