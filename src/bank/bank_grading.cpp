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

// "Found 3 squares ..." / "Found 3 digits ...": the subset's size.
int subsetSize(std::string_view text) {
    constexpr std::string_view prefix = "Found ";
    if (text.substr(0, prefix.size()) != prefix || text.size() <= prefix.size()) return 0;
    const char n = text[prefix.size()];
    return n >= '2' && n <= '4' ? n - '0' : 0;
}

// "In chain of 5's (A1, A5, C5),...": the number of cells in the chain.
int digitChainCells(std::string_view text) {
    constexpr std::string_view prefix = "In chain of ";
    if (text.substr(0, prefix.size()) != prefix || text.find("'s (") != prefix.size() + 1) return 0;
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')', open);
    if (close == std::string_view::npos) return 0;
    const std::string_view cells = text.substr(open + 1, close - open - 1);
    return static_cast<int>(std::count(cells.begin(), cells.end(), ',')) + 1;
}

} // namespace

PuzzleProfile ProfilePuzzle(HintEngine& engine, std::string_view puzzle) {
    PuzzleProfile profile;
    RatingObserver observer;
    observer.step = [&profile](const HintEngine& e) {
        const std::string& text = e.hintText();
        profile.largestSubset = std::max(profile.largestSubset, subsetSize(text));
        profile.longestDigitChain = std::max(profile.longestDigitChain, digitChainCells(text));
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
