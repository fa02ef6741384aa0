// SPDX-License-Identifier: GPL-3.0-or-later
// How a looked-up text becomes a component's caption or hint when the main
// window is re-labelled after a language change. The window code walks its
// components in order (menu items; group boxes, tool buttons, radio buttons,
// check boxes; speed buttons; every control's hint) and asks these rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// The standard font every dialog applies after setting its texts.
inline constexpr std::string_view kStandardFontFace = "Arial";
inline constexpr int kStandardFontPointSize = 8;

enum class LabelKind {
    MenuItemCaption, // keeps its text when the table has none; blanks around it dropped
    GroupBoxCaption, // always takes the table's text, also an empty one
    ToolButtonCaption,
    RadioButtonCaption,
    CheckBoxCaption,
    SpeedButtonCaption, // keeps its text when the table has none; taken unchanged
    Hint,               // always takes the table's text, also an empty one
};

// The key a component's property is looked up under: name "." property.
std::string LabelKey(std::string_view componentName, std::string_view property);

// The text the component shows after re-labelling, given the looked-up text;
// nothing when it keeps its current text.
std::optional<std::string> RelabelledText(LabelKind kind, std::string_view lookedUp);

} // namespace velmar
