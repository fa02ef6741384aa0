// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/study/technique_guide.h"

#include "hints/ladder/technique_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace velmar::study {

namespace {

using namespace ladder;

// By row of the technique table (see technique_table.h for the order).
constexpr std::array<TechniqueGuide, kTechniqueCount> kLadderGuides = {{
    {"a hidden single",
     "A digit has only one place left in a block, row or column, so it goes there."},
    {"a hidden single", "A digit has only one place left in a row or column, so it goes there."},
    {"a naked single", "A square has only one candidate left, so that digit goes there."},
    {"a pointing pair or triple",
     "A digit's places in a block all lie in one row or column, so the rest of that line "
     "loses it."},
    {"a claiming pair or triple",
     "A digit's places in a row or column all lie in one block, so the rest of that block "
     "loses it."},
    {"a naked pair",
     "Two squares of a unit hold the same two candidates only, so the unit's other squares "
     "lose them."},
    {"an X-Wing",
     "A digit fits in the same two columns of two rows (or the other way round), so those "
     "columns lose it elsewhere."},
    {"a hidden pair",
     "Two digits fit in only two squares of a unit, so those squares lose every other "
     "candidate."},
    {"a naked triple",
     "Three squares of a unit hold only three digits between them, so the unit's other "
     "squares lose them."},
    {"a Swordfish", "An X-Wing over three rows and three columns."},
    {"a hidden triple",
     "Three digits fit in only three squares of a unit, so those squares lose every other "
     "candidate."},
    {"an XY-Wing",
     "A pair square sees two pair squares that share one digit; whatever the pivot is, a "
     "square seeing both wings loses that digit."},
    {"an XYZ-Wing", "An XY-Wing whose pivot also holds the shared digit."},
    {"a unique rectangle",
     "Four squares in two rows, two columns and two blocks must not hold only the same two "
     "digits, or the puzzle would have two solutions."},
    {"a unique rectangle",
     "Two corners of a would-be deadly rectangle share one extra digit, which must then go in "
     "one of them."},
    {"a unique rectangle",
     "One of the pair's digits is locked into two corners of a would-be deadly rectangle, so "
     "they lose the other."},
    {"a naked quad",
     "Four squares of a unit hold only four digits between them, so the unit's other squares "
     "lose them."},
    {"a Jellyfish", "An X-Wing over four rows and four columns."},
    {"a hidden quad",
     "Four digits fit in only four squares of a unit, so those squares lose every other "
     "candidate."},
    {"a WXYZ-Wing",
     "Four squares hold four digits between them and only one digit is shared by squares "
     "that do not see each other; squares seeing all its places lose it."},
    {"a BUG+1",
     "Every open square but one holds two candidates; the odd square must take the digit that "
     "would otherwise leave the puzzle with two solutions."},
    {"a finned X-Wing",
     "An X-Wing with extra places (the fin) in one block: squares that see the fin and the "
     "X-Wing lose the digit."},
    {"a sashimi X-Wing", "A finned X-Wing missing one of its corners."},
    {"a Skyscraper",
     "Two rows each hold a digit twice, with one end in a shared column; one of the other two "
     "ends holds it."},
    {"a two-string kite",
     "A row and a column each hold a digit twice, joined in one block; one of the far ends "
     "holds it."},
    {"a finned Swordfish", "A Swordfish with a fin in one block."},
    {"a sashimi Swordfish", "A finned Swordfish missing one of its corners."},
    {"an empty rectangle",
     "A digit's places in a block form a cross, which works as one end of a chain with a line "
     "holding the digit twice."},
    {"a W-Wing",
     "Two squares with the same pair are joined by a line holding one of their digits twice; "
     "squares seeing both lose the other."},
    {"simple colouring",
     "Colour a digit's strong links in two colours; one colour is the truth, so squares that "
     "see both lose it, and a colour that meets itself is false."},
    {"a finned Jellyfish", "A Jellyfish with a fin in one block."},
    {"a sashimi Jellyfish", "A finned Jellyfish missing one of its corners."},
    {"multi colouring",
     "Two colourings of one digit joined by a weak link: the colours that cannot both be false "
     "remove the digit where they meet."},
    {"an X-chain",
     "A chain of strong and weak links of one digit; one of its two ends holds the digit, so "
     "squares seeing both lose it."},
    {"an XY-chain",
     "A chain through pair squares; one of its ends holds the end digit, so squares seeing "
     "both lose it."},
    {"an alternating inference chain",
     "A chain of strong and weak links between any candidates, squares or digits; one of its "
     "ends is true."},
    {"an ALS-XZ",
     "Two almost locked sets joined by a restricted common digit; another shared digit must "
     "be in one of them."},
    {"a Sue de Coq",
     "Where a line meets a block, two or three squares share their digits with pair squares of "
     "the line and the block."},
    {"an ALS-XY-Wing", "Three almost locked sets joined like the squares of an XY-Wing."},
    {"a contradiction forcing chain",
     "Suppose a candidate is true and follow what it forces: a contradiction proves it "
     "false."},
    {"a cell forcing chain",
     "Every candidate of one square forces the same conclusion, so it holds."},
    {"a unit forcing chain",
     "Every place of a digit in a unit forces the same conclusion, so it holds."},
    {"a forcing net",
     "A forcing chain whose branches join: a conclusion may need several earlier ones."},
    {"a nested forcing net", "A forcing net whose steps themselves use forcing chains."},
}};

bool sameName(std::string_view a, std::string_view b) {
    const auto fold = [](char c) {
        if (c == ' ' || c == '_') return '-';
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

} // namespace

const TechniqueGuide& ladderGuide(int technique) {
    return kLadderGuides[static_cast<std::size_t>(technique)];
}

std::string_view counterPhrase(TechniqueCounter counter, int subsetSize, bool fromBox) {
    static constexpr std::array<std::string_view, 5> naked = {"", "", "a naked pair",
                                                              "a naked triple", "a naked quad"};
    static constexpr std::array<std::string_view, 5> hidden = {"", "", "a hidden pair",
                                                               "a hidden triple", "a hidden quad"};
    const bool sized = subsetSize >= 2 && subsetSize <= 4;
    switch (counter) {
    case velmar::kHiddenSingle:
        return "a hidden single";
    case velmar::kNakedSingle:
        return "a naked single";
    case velmar::kBoxLineReduction:
        return fromBox ? "a pointing pair or triple" : "a claiming pair or triple";
    case velmar::kNakedSubset:
        return sized ? naked[subsetSize] : "a naked subset";
    case velmar::kHiddenSubset:
        return sized ? hidden[subsetSize] : "a hidden subset";
    case velmar::kRectangleCorner:
    case velmar::kRectangleExtraDigit:
    case velmar::kBandRectangle:
        return "a unique rectangle";
    case velmar::kGeneralizedChain:
        return "a generalized chain";
    case velmar::kSingleDigitChain:
        return "a single-digit chain";
    case velmar::kChainOfPairs:
        return "a chain of pairs";
    default:
        return "";
    }
}

std::string_view techniquePhrase(const Hint& hint) {
    if (hint.ladderTechnique >= 0) return ladderGuide(hint.ladderTechnique).phrase;
    // A subset colours its own cells magenta, the rest of its unit cyan; a
    // box/line reduction that points from a box starts with the box.
    int magenta = 0;
    for (HighlightColour colour : hint.highlights) magenta += colour == HighlightColour::Magenta;
    const bool fromBox = hint.sentence.rfind("In the ", 0) == 0;
    return counterPhrase(hint.technique, magenta, fromBox);
}

std::string techniqueName(const Hint& hint) {
    if (hint.ladderTechnique >= 0) return std::string(techniqueInfo(hint.ladderTechnique).name);
    std::string_view phrase = techniquePhrase(hint);
    phrase.remove_prefix(std::min(phrase.find(' ') + 1, phrase.size())); // the article
    std::string name;
    bool wordStart = true;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        const bool shortWord = phrase.substr(i, 3) == "or " || phrase.substr(i, 3) == "of ";
        name += wordStart && !shortWord
                    ? static_cast<char>(std::toupper(static_cast<unsigned char>(phrase[i])))
                    : phrase[i];
        wordStart = phrase[i] == ' ' || phrase[i] == '-';
    }
    return name;
}

const std::vector<int>& distinctLadderTechniques() {
    static const std::vector<int> list = [] {
        std::vector<int> out;
        for (int id = 0; id < kTechniqueCount; ++id) {
            if (id > 0 && techniqueInfo(id).name == techniqueInfo(id - 1).name) continue;
            out.push_back(id);
        }
        return out;
    }();
    return list;
}

int findLadderTechnique(std::string_view name) {
    for (int id = 0; id < kTechniqueCount; ++id) {
        if (sameName(techniqueInfo(id).name, name)) return id;
    }
    return -1;
}

} // namespace velmar::study
