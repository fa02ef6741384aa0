// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/bank_grading.h"

#include "hints/puzzle_rating.h"
#include "model/tqj.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

bool isGiven(char ch) {
    return ch >= '1' && ch <= '9';
}

// A subset's size, from "Found 3 squares ..." / "Found 3 digits ...".
int subsetSize(const Hint& hint) {
    if (hint.technique != kNakedSubset && hint.technique != kHiddenSubset) return 0;
    const char n = hint.sentence.size() > 6 ? hint.sentence[6] : '0';
    return n >= '2' && n <= '4' ? n - '0' : 0;
}

// A single-digit chain's cells, from "In chain of 5's (A1, A5, C5),...".
int digitChainCells(const Hint& hint) {
    if (hint.technique != kSingleDigitChain) return 0;
    const std::string& text = hint.sentence;
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')', open);
    if (close == std::string::npos) return 0;
    return static_cast<int>(std::count(text.begin() + open, text.begin() + close, ',')) + 1;
}

} // namespace

PuzzleProfile ProfilePuzzle(HintEngine& engine, std::string_view puzzle) {
    PuzzleProfile profile;
    RatingObserver observer;
    observer.step = [&profile](const HintEngine& e) {
        profile.largestSubset = std::max(profile.largestSubset, subsetSize(e.hint()));
        profile.longestDigitChain = std::max(profile.longestDigitChain, digitChainCells(e.hint()));
    };
    RatePuzzleLine(engine, puzzle, observer);
    profile.outcome = engine.outcome();
    profile.score = engine.score();
    profile.counts = engine.counts();
    profile.symmetric = true;
    for (int i = 0; i < 81; ++i) {
        const bool given = i < static_cast<int>(puzzle.size()) && isGiven(puzzle[i]);
        const bool mirror = 80 - i < static_cast<int>(puzzle.size()) && isGiven(puzzle[80 - i]);
        profile.givens += given;
        if (given != mirror) profile.symmetric = false;
    }
    return profile;
}

int GradeLevel(const PuzzleProfile& p) {
    if (p.outcome != kOutcomeSolved) return -1;
    const TechniqueCounts& c = p.counts;
    if (c[kChainOfPairs] || c[kGeneralizedChain] || p.longestDigitChain > kShortChainCells)
        return 4;
    if (c[kSingleDigitChain] || c[kRectangleCorner] || c[kRectangleExtraDigit] ||
        c[kBandRectangle] || p.largestSubset >= 3)
        return 3;
    if (c[kBoxLineReduction] || p.largestSubset == 2) return 2;
    if (c[kNakedSingle] || p.givens < kVeryEasyGivens) return 1;
    return 0;
}

std::string GivensOfMarked(std::string_view marked) {
    std::string out(marked);
    for (char& ch : out)
        if (!isGiven(ch)) ch = '.';
    return out;
}

std::string SolutionOfMarked(std::string_view marked) {
    std::string out(marked);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'I') ch = static_cast<char>('0' + MarkedDigit(ch));
    return out;
}

std::string RelabelledGivens(std::string_view givens) {
    std::array<char, 10> label{};
    char next = '1';
    std::string out(givens);
    for (char& ch : out) {
        if (!isGiven(ch)) {
            ch = '.';
            continue;
        }
        char& mapped = label[static_cast<std::size_t>(ch - '0')];
        if (!mapped) mapped = next++;
        ch = mapped;
    }
    return out;
}

} // namespace velmar
