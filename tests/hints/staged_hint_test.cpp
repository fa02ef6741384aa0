// SPDX-License-Identifier: GPL-3.0-or-later
// Hints in stages: the smaller stages never give the answer away (no digit
// named, nothing magenta), the second says where to look, the last is the
// whole hint; checked over whole runs of both engines.
#include "hints/hint_engine.h"
#include "hints/puzzle_rating.h"
#include "hints/study/staged_hint.h"
#include "hints/study/technique_guide.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

using study::HintStage;
using study::stagedHint;

constexpr const char* kPuzzles[] = {
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........",
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....",
    "083020090000800100029300008000098700070000060006740000300006980002005000010030540",
};

// The text without its cell names ("C7") and column names ("column 7"):
// what is left must name no digit.
std::string withoutNames(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digitNext = i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        if (digitNext && text[i] >= 'A' && text[i] <= 'I') {
            ++i;
        } else if (text.compare(i, 7, "column ") == 0 && i + 7 < text.size()) {
            i += 7;
        } else {
            out += text[i];
        }
    }
    return out;
}

void expectStagesHideTheAnswer(const Hint& hint) {
    const HintStage first = stagedHint(hint, 1);
    const HintStage second = stagedHint(hint, 2);
    EXPECT_EQ(stagedHint(hint, 3).text, hint.sentence);
    EXPECT_EQ(stagedHint(hint, 3).highlights, hint.highlights);
    if (hint.technique == kNoTechnique || hint.technique == kStumped) {
        EXPECT_EQ(first.text, hint.sentence);
        EXPECT_EQ(second.text, hint.sentence);
        return;
    }
    ASSERT_EQ(first.text.rfind("Look for a", 0), 0u) << hint.sentence;
    EXPECT_EQ(second.text.rfind(first.text + " in ", 0), 0u) << second.text;
    EXPECT_EQ(withoutNames(second.text).find_first_of("123456789"), std::string::npos)
        << second.text;
    int cyan = 0;
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(first.highlights[i], HighlightColour::White);
        EXPECT_NE(second.highlights[i], HighlightColour::Magenta);
        cyan += second.highlights[i] == HighlightColour::Cyan;
    }
    EXPECT_GT(cyan, 0) << second.text;
}

TEST(StagedHint, SmallerStagesNeverGiveTheAnswerAway) {
    for (bool advanced : {false, true}) {
        HintEngine engine;
        engine.setAdvanced(advanced);
        RatingObserver observer;
        observer.step = [](const HintEngine& e) { expectStagesHideTheAnswer(e.hint()); };
        for (const char* puzzle : kPuzzles) RatePuzzleLine(engine, puzzle, observer);
    }
}

TEST(StagedHint, NamesTheTechniqueThenTheUnit) {
    HintEngine engine;
    engine.reset();
    engine.loadGivens(kPuzzles[2]);
    const Hint& hint = engine.search();
    ASSERT_EQ(hint.sentence, "In the lower middle block, H5 must be 8");
    EXPECT_EQ(stagedHint(hint, 1).text, "Look for a hidden single");
    const HintStage second = stagedHint(hint, 2);
    EXPECT_EQ(second.text, "Look for a hidden single in the lower middle block");
    // The block, H5 included, and nothing else.
    for (int i = 0; i < 81; ++i) {
        const bool inBlock = i / 9 >= 6 && i % 9 >= 3 && i % 9 < 6;
        EXPECT_EQ(second.highlights[i] == HighlightColour::Cyan, inBlock) << i;
    }
}

TEST(StagedHint, SubsetsAndChainsAreNamedBySizeAndKind) {
    EXPECT_EQ(study::counterPhrase(kHiddenSubset, 2, false), "a hidden pair");
    EXPECT_EQ(study::counterPhrase(kNakedSubset, 4, false), "a naked quad");
    EXPECT_EQ(study::counterPhrase(kBoxLineReduction, 0, true), "a pointing pair or triple");
    EXPECT_EQ(study::findLadderTechnique("two_string KITE"),
              study::findLadderTechnique("Two-String Kite"));
    EXPECT_EQ(study::findLadderTechnique("x-wing"), 6);
    EXPECT_EQ(study::findLadderTechnique("wing"), -1);
    // The two hidden single rows share one name.
    EXPECT_EQ(study::distinctLadderTechniques().front(), 0);
    EXPECT_EQ(study::distinctLadderTechniques()[1], 2);
}

} // namespace
} // namespace velmar
