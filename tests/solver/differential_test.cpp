// SPDX-License-Identifier: GPL-3.0-or-later
// The fast solver against the literal reference on thousands of random
// inputs: every status, grid, result code and both solutions must agree.
#include "literal_solver.h"
#include "puzzle_generator.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int inputCount() {
    if (const char* text = std::getenv("VELMAR_DIFF_COUNT")) return std::atoi(text);
    return 10000;
}

unsigned seed() {
    if (const char* text = std::getenv("VELMAR_DIFF_SEED"))
        return static_cast<unsigned>(std::strtoul(text, nullptr, 10));
    return 20261209;
}

bool hasConflict(const std::string& puzzle) {
    std::string digits;
    for (std::size_t i = 0; i < 81; ++i)
        digits.push_back(i < puzzle.size() && puzzle[i] >= '1' && puzzle[i] <= '9' ? puzzle[i]
                                                                                   : '0');
    return !velmar::CheckGivens(digits);
}

std::string digitsWithZeros(const std::string& puzzle) {
    std::string out;
    for (std::size_t i = 0; i < 81; ++i)
        out.push_back(i < puzzle.size() && puzzle[i] >= '1' && puzzle[i] <= '9' ? puzzle[i] : '0');
    return out;
}

// Work budget of the reference per search, in candidate recomputations.
constexpr long kBudget = 4000;

} // namespace

TEST(SolverDifferential, AgreesWithLiteralReference) {
    std::mt19937 rng(seed());
    const int wanted = inputCount();
    int compared = 0, attempts = 0, kinds[3] = {0, 0, 0};
    while (compared < wanted && attempts < wanted * 20) {
        ++attempts;
        const std::string input = velmar::testing::randomSolverInput(rng);
        SCOPED_TRACE("input: \"" + input + "\"");

        EXPECT_EQ(velmar::CheckGivens(input), velmar::literal::CheckGivens(input));

        const velmar::SolveResult fast = velmar::SolveString(input);
        if (hasConflict(input)) {
            // Conflicting givens are refused at once instead of being "solved".
            EXPECT_EQ(fast.status, 1);
            EXPECT_EQ(fast.grid, digitsWithZeros(input));
        } else if (const auto ref = velmar::literal::SolveString(input, kBudget)) {
            EXPECT_EQ(fast.status, ref->status);
            EXPECT_EQ(fast.grid, ref->grid);
        } else {
            continue;
        }

        for (bool dialog : {false, true}) {
            const auto ref = velmar::literal::TestUniqueness(input, dialog, kBudget);
            if (!ref) continue;
            const velmar::UniquenessReport got =
                dialog ? velmar::TestUniquenessDialog(input) : velmar::TestUniqueness(input);
            ASSERT_EQ(got.result, ref->result) << (dialog ? "dialog" : "main window");
            if (got.result != 1) {
                EXPECT_EQ(got.first, ref->first);
            }
            if (got.result == 2) {
                EXPECT_EQ(got.second, ref->second);
            }
            if (!dialog) ++kinds[got.result];
        }
        ++compared;
    }
    EXPECT_GE(compared, wanted) << "too many inputs exceeded the reference's budget";
    // The generator must keep exercising every outcome.
    EXPECT_GT(kinds[0], wanted / 20);
    EXPECT_GT(kinds[1], wanted / 20);
    EXPECT_GT(kinds[2], wanted / 20);
    std::printf("compared %d inputs (%d tried): %d unique, %d without solution, %d several\n",
                compared, attempts, kinds[0], kinds[1], kinds[2]);
}
