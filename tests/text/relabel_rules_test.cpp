// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/relabel_rules.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(RelabelRulesTest, MenuItemsTrimAndKeepTheirTextWhenTheTableHasNone) {
    EXPECT_EQ(RelabelledText(LabelKind::MenuItemCaption, "  新しいゲーム(&N)  "),
              "新しいゲーム(&N)");
    EXPECT_EQ(RelabelledText(LabelKind::MenuItemCaption, "\t&File \r"), "&File");
    EXPECT_FALSE(RelabelledText(LabelKind::MenuItemCaption, "").has_value());
}

TEST(RelabelRulesTest, SpeedButtonsKeepBlanksAndKeepTheirTextWhenTheTableHasNone) {
    EXPECT_EQ(RelabelledText(LabelKind::SpeedButtonCaption, " 1 "), " 1 ");
    EXPECT_FALSE(RelabelledText(LabelKind::SpeedButtonCaption, "").has_value());
}

TEST(RelabelRulesTest, OtherCaptionsAndHintsAlwaysTakeTheTableText) {
    for (LabelKind kind :
         {LabelKind::GroupBoxCaption, LabelKind::ToolButtonCaption, LabelKind::RadioButtonCaption,
          LabelKind::CheckBoxCaption, LabelKind::Hint}) {
        EXPECT_EQ(RelabelledText(kind, ""), "");
        // The level caption style: leading blanks are part of the text.
        EXPECT_EQ(RelabelledText(kind, "  Level:Tough"), "  Level:Tough");
    }
}

} // namespace
} // namespace velmar
