// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/random.h"
#include "model/tqj.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using velmar::Random;
using velmar::TQJ;

namespace {

// A bank-style line: givens as digits, open cells as letters.
const std::string kMarked =
    "53DF7HIAB6GB195CDHA98CDBE6G8EIG6ADB34BF8E3GI17ACI2DHE6I6AECG28DBHG419FC5CDEB8FA79";

std::string solutionOf(const std::string& marked) {
    std::string out;
    for (char ch : marked)
        out.push_back(ch >= 'A' && ch <= 'I' ? static_cast<char>(ch - 'A' + '1') : ch);
    return out;
}

int givenCount(const TQJ& model) {
    int n = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) n += model.node(r, c).Fixed;
    return n;
}

bool isValidGrid(const std::string& g) {
    return g.size() == 81 && g.find('0') == std::string::npos && velmar::CheckGivens(g);
}

} // namespace

TEST(TQJ, MarkedPuzzleLoadsAndShufflesKeepingTheShape) {
    ASSERT_TRUE(isValidGrid(solutionOf(kMarked)));
    Random random(1);
    TQJ model;
    ASSERT_TRUE(model.LoadMarkedPuzzle(kMarked, random));
    const std::string solution = model.GetSolutionString();
    EXPECT_TRUE(isValidGrid(solution));
    EXPECT_EQ(givenCount(model), 30);
    EXPECT_NE(solution, solutionOf(kMarked)); // 200 passes move something
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            EXPECT_EQ(model.node(r, c).Row, r);
            EXPECT_EQ(model.node(r, c).Col, c);
        }
    // Rows and columns only move inside their band or stack: each band keeps
    // its number of givens, and so does each stack.
    for (int band = 0; band < 3; ++band) {
        int before = 0, after = 0, beforeStack = 0, afterStack = 0;
        for (int i = 0; i < 81; ++i) {
            const bool wasGiven = kMarked[i] >= '1' && kMarked[i] <= '9';
            const bool isGiven = model.node(i / 9 + 1, i % 9 + 1).Fixed;
            if (i / 27 == band) before += wasGiven, after += isGiven;
            if (i % 9 / 3 == band) beforeStack += wasGiven, afterStack += isGiven;
        }
        EXPECT_EQ(before, after);
        EXPECT_EQ(beforeStack, afterStack);
    }
    // The givens still agree with the solution.
    const std::string givens = model.GetGivensString();
    for (int i = 0; i < 81; ++i)
        if (givens[i] != '0') {
            EXPECT_EQ(givens[i], solution[i]);
        }
}

TEST(TQJ, AllLettersOrAllDigits) {
    TQJ model;
    std::string letters = kMarked, digits = solutionOf(kMarked);
    for (char& ch : letters)
        if (ch >= '1' && ch <= '9') ch = static_cast<char>(ch - '1' + 'A');
    ASSERT_TRUE(model.LoadMarkedPuzzle(letters));
    EXPECT_EQ(givenCount(model), 0);
    EXPECT_TRUE(isValidGrid(model.GetSolutionString()));
    ASSERT_TRUE(model.LoadMarkedPuzzle(digits));
    EXPECT_EQ(givenCount(model), 81);
    EXPECT_EQ(model.GetGivensString(), model.GetSolutionString());
}

TEST(TQJ, BadMarkedStringsLeaveTheModelAsItWas) {
    TQJ model;
    ASSERT_TRUE(model.LoadMarkedPuzzle(kMarked));
    const std::string solution = model.GetSolutionString();
    const std::string givens = model.GetGivensString();
    for (std::string bad : {kMarked.substr(0, 80), std::string(), kMarked}) {
        if (bad == kMarked) bad[40] = 'J';
        EXPECT_FALSE(model.LoadMarkedPuzzle(bad));
        EXPECT_EQ(model.GetSolutionString(), solution);
        EXPECT_EQ(model.GetGivensString(), givens);
    }
    std::string zero = kMarked;
    zero[1] = '0';
    EXPECT_FALSE(model.LoadMarkedPuzzle(zero));
    std::string lower = kMarked;
    lower[2] = 'c';
    EXPECT_FALSE(model.LoadMarkedPuzzle(lower));
    // Characters after the 81st are not part of the puzzle.
    EXPECT_TRUE(model.LoadMarkedPuzzle(kMarked + "\r\n"));
}

TEST(TQJ, ShuffleCountsBelowOneChangeNothing) {
    TQJ model;
    model.LoadGivens(std::string(81, '0'));
    model.LoadSolutionString(solutionOf(kMarked));
    Random random(3);
    model.ShuffleSolution(0, random);
    model.ShuffleSolution(-5, random);
    EXPECT_EQ(model.GetSolutionString(), solutionOf(kMarked));
    model.ShuffleSolution(1, random);
    EXPECT_TRUE(isValidGrid(model.GetSolutionString()));
}

TEST(TQJ, RelabellingNeverSwapsADigitWithItself) {
    // Every single pass changes the grid: a swap of two different lines or of
    // two different digits always moves some digit.
    TQJ model;
    model.LoadSolutionString(solutionOf(kMarked));
    Random random(5);
    std::string before = model.GetSolutionString();
    for (int i = 0; i < 2000; ++i) {
        model.ShuffleSolution(1, random);
        const std::string after = model.GetSolutionString();
        ASSERT_NE(after, before);
        ASSERT_TRUE(isValidGrid(after));
        before = after;
    }
}

TEST(TQJ, StringLoadersAndTheirRefusals) {
    TQJ model;
    const std::string solution = solutionOf(kMarked);
    std::string givens = solution;
    for (int i = 0; i < 81; i += 2) givens[i] = '0';

    model.LoadGivens("  " + givens + " \r\n");
    EXPECT_EQ(model.GetGivensString(), givens);
    EXPECT_EQ(model.GetSolutionString(), ""); // open cells have no digit yet
    model.LoadSolutionString(solution);
    EXPECT_EQ(model.GetSolutionString(), solution);
    EXPECT_EQ(model.GetGivensString(), givens);
    EXPECT_TRUE(model.node(1, 2).Fixed);
    EXPECT_FALSE(model.node(1, 1).Fixed);

    // 80 characters: the digits are cleared, the givens flags stay.
    model.LoadGivens(givens.substr(0, 80));
    EXPECT_EQ(model.GetSolutionString(), "");
    EXPECT_TRUE(model.node(1, 2).Fixed);
    EXPECT_EQ(model.GetGivensString(), std::string(81, '0'));

    // A non-digit inside 81 characters clears instead of stopping half-way.
    model.LoadSolutionString(solution);
    std::string bad = solution;
    bad[50] = 'x';
    model.LoadSolutionString(bad);
    EXPECT_EQ(model.GetSolutionString(), "");
    model.LoadSolutionString(solution);
    bad = givens;
    bad[60] = '.';
    model.LoadGivens(bad);
    EXPECT_EQ(model.GetSolutionString(), "");
    EXPECT_TRUE(model.node(1, 2).Fixed);

    model.LoadSolutionString(solution);
    model.ClearSolution();
    EXPECT_EQ(model.GetSolutionString(), "");
    EXPECT_EQ(model.GetGivensString(), std::string(81, '0'));
}

TEST(Random, UniformCoversTheRangeEvenly) {
    Random random(42);
    std::map<int, int> seen;
    for (int i = 0; i < 90000; ++i) ++seen[random.uniform(1, 9)];
    ASSERT_EQ(seen.size(), 9u);
    for (const auto& [value, count] : seen) {
        EXPECT_GE(value, 1);
        EXPECT_LE(value, 9);
        EXPECT_NEAR(count, 10000, 500);
    }
    Random a(7), b(7);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.uniform(0, 1000), b.uniform(0, 1000));
}

TEST(Random, SeedFromEnvironment) {
    setenv("VELMAR_SEED", "12345", 1);
    EXPECT_EQ(velmar::startSeed(), 12345u);
    setenv("VELMAR_SEED", "12x", 1);
    EXPECT_NE(velmar::startSeed(), 12345u);
    unsetenv("VELMAR_SEED");
}
