// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder's pattern techniques on small carved positions: each finds the
// expected eliminations and says so in its sentence.
#include "hints/ladder/ladder_searches.h"
#include "ladder_grid_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmar::ladder {
namespace {

using testing::at;
using testing::LadderGridBuilder;
using testing::removed;

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(LadderFish, XWingAndItsFinnedForm) {
    // 5 in rows B and F only in columns 2 and 7.
    Grid g = LadderGridBuilder().onlyIn(1, '5', {"B2", "B7"}).onlyIn(5, '5', {"F2", "F7"}).build();
    LadderStep step;
    step.technique = kXWing;
    ASSERT_TRUE(basicFish<2>(g, step));
    const auto gone = removed(step);
    EXPECT_TRUE(contains(gone, "A2-5") && contains(gone, "I7-5"));
    EXPECT_FALSE(contains(gone, "B2-5") || contains(gone, "F7-5"));
    EXPECT_EQ(
        step.sentence.rfind("X-Wing on 5: in rows B, F the 5 can only be in columns 2, 7,\r\n", 0),
        0u)
        << step.sentence;

    // A fin at F8 beside F7: only the cells of column 7 in the fin's box go.
    g = LadderGridBuilder().onlyIn(1, '5', {"B2", "B7"}).onlyIn(5, '5', {"F2", "F7", "F8"}).build();
    step = {};
    step.technique = kXWing;
    EXPECT_FALSE(basicFish<2>(g, step));
    step.technique = kFinnedXWing;
    ASSERT_TRUE(finnedFish<2>(g, step));
    EXPECT_EQ(removed(step), (std::vector<std::string>{"D7-5", "E7-5"}));
    EXPECT_NE(step.sentence.find("or the fin F8"), std::string::npos) << step.sentence;
}

TEST(LadderSubsets, NakedAndHiddenPairsOfARow) {
    Grid g = LadderGridBuilder().set("C1", "47").set("C5", "47").build();
    LadderStep step;
    step.technique = kNakedPair;
    ASSERT_TRUE(nakedSubset<2>(g, step));
    EXPECT_TRUE(contains(removed(step), "C2-4") && contains(removed(step), "C9-7"));
    EXPECT_EQ(step.sentence.rfind("Found 2 squares that can only contain 2 digits.\r\nIn row C, "
                                  "the squares C1, C5\r\nmust contain the digits 4, 7, so ",
                                  0),
              0u)
        << step.sentence;

    g = LadderGridBuilder().onlyIn(2, '4', {"C1", "C5"}).onlyIn(2, '7', {"C1", "C5"}).build();
    step = {};
    step.technique = kHiddenPair;
    ASSERT_TRUE(hiddenSubset<2>(g, step));
    EXPECT_EQ(step.eliminations.size(), 14u); // seven other digits from each cell
}

TEST(LadderWings, XYWingAndWWing) {
    // Pivot A1 (1, 2) sees A5 (1, 3) and C2 (2, 3): one of those is 3.
    Grid g = LadderGridBuilder().set("A1", "12").set("A5", "13").set("C2", "23").build();
    LadderStep step;
    step.technique = kXYWing;
    ASSERT_TRUE(xyWing(g, step));
    const auto gone = removed(step);
    EXPECT_TRUE(contains(gone, "A2-3") && contains(gone, "A3-3") && contains(gone, "C4-3"));
    EXPECT_FALSE(contains(gone, "A4-3"));
    EXPECT_NE(step.sentence.find("one of A5, C2 must be 3"), std::string::npos) << step.sentence;

    // A1 and I9 both (4, 6); the 6 of row E only in E1 and E9.
    g = LadderGridBuilder().set("A1", "46").set("I9", "46").onlyIn(4, '6', {"E1", "E9"}).build();
    step = {};
    step.technique = kWWing;
    ASSERT_TRUE(wWing(g, step));
    EXPECT_EQ(removed(step), (std::vector<std::string>{"A9-4", "I1-4"}));
}

TEST(LadderSingleDigit, SkyscraperAndTwoStringKite) {
    // 3 twice in columns 1 and 4, the bottom ends in row H.
    Grid g = LadderGridBuilder().onlyIn(9, '3', {"B1", "H1"}).onlyIn(12, '3', {"C4", "H4"}).build();
    LadderStep step;
    step.technique = kSkyscraper;
    ASSERT_TRUE(singleDigitPattern(g, step));
    EXPECT_EQ(step.technique, kSkyscraper);
    EXPECT_TRUE(contains(removed(step), "B5-3") && contains(removed(step), "C2-3"));

    // Row A and column 9 hold 8 twice each, A7 and C9 share the upper right box.
    g = LadderGridBuilder().onlyIn(0, '8', {"A2", "A7"}).onlyIn(17, '8', {"C9", "G9"}).build();
    step = {};
    step.technique = kSkyscraper;
    ASSERT_TRUE(singleDigitPattern(g, step));
    EXPECT_EQ(step.technique, kTwoStringKite);
    EXPECT_EQ(removed(step), (std::vector<std::string>{"G2-8"}));
}

TEST(LadderUniqueness, RectangleTypeOneAndBug) {
    Grid g = LadderGridBuilder()
                 .set("A1", "59")
                 .set("A4", "59")
                 .set("B1", "59")
                 .set("B4", "259")
                 .build();
    LadderStep step;
    step.technique = kUniqueRectangle1;
    ASSERT_TRUE(uniqueRectangle1(g, step));
    EXPECT_EQ(removed(step), (std::vector<std::string>{"B4-5", "B4-9"}));

    // Every open cell a pair but E5 (1, 2, 3), whose 2 is three times in its
    // row, column and box: E5 must be 2.
    Grid bug;
    bug.value.fill(1);
    const char* pairs[][2] = {{"E1", "24"}, {"E9", "26"}, {"A5", "27"}, {"I5", "28"},
                              {"D4", "25"}, {"F6", "29"}, {"E5", "123"}};
    for (const auto& p : pairs) {
        bug.value[at(p[0])] = 0;
        for (const char* d = p[1]; *d; ++d)
            bug.cand[at(p[0])] |= static_cast<Mask>(1u << (*d - '1'));
    }
    bug.index();
    step = {};
    step.technique = kBug1;
    ASSERT_TRUE(bugPlusOne(bug, step));
    EXPECT_TRUE(step.places);
    EXPECT_EQ(step.placement, (Candidate{at("E5"), 1}));
    bug.cand[at("F6")] |= 1u << 2; // a second cell of three candidates: no BUG
    bug.index();
    EXPECT_FALSE(bugPlusOne(bug, step = {}));
}

TEST(LadderAls, WxyzWing) {
    // A4 (1, 2) and the set B4, B5, B6 holding 1..4, linked by the 1 (A4 sees
    // B6): the 2 is in A4 or B4, so the rest of column 4 loses it.
    Grid g =
        LadderGridBuilder().set("A4", "12").set("B4", "23").set("B5", "34").set("B6", "41").build();
    LadderStep step;
    step.technique = kWxyzWing;
    ASSERT_TRUE(wxyzWing(g, step));
    EXPECT_TRUE(contains(removed(step), "C4-2") && contains(removed(step), "I4-2"));
    for (const Candidate& c : step.eliminations) EXPECT_FALSE(step.pattern.has(c.cell));
    EXPECT_EQ(step.sentence.rfind(
                  "WXYZ-Wing: A4 (1, 2) and B4, B5, B6 (1, 2, 3, 4) are almost locked sets", 0),
              0u)
        << step.sentence;
}

} // namespace
} // namespace velmar::ladder
