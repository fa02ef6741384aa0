// SPDX-License-Identifier: GPL-3.0-or-later
// The brute-force solver's string services: conflict check, solving and the
// uniqueness test. Puzzles are 81-character strings in row-major order.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

struct SolveResult {
    int status = 1;   // 0 solved, 1 not solved
    std::string grid; // 81 digits, '0' for a cell left empty
};

enum UniquenessResult : int { kOneSolution = 0, kNoSolution = 1, kSeveralSolutions = 2 };

struct UniquenessReport {
    int result = kNoSolution;
    std::string first;  // meaningful for results 0 and 2
    std::string second; // meaningful for result 2
};

// '0' and '*' are blanks, every other character an entry (so '.' is an entry);
// false when two equal entries are peers. A short string has blank tails.
bool CheckGivens(std::string_view puzzle);

// '1'..'9' are givens, anything else (or a missing character) a blank. Status 0
// with the least solution (row-major, digits ascending) when one exists, else
// status 1 with the input ('0' for blanks). A puzzle without blanks, or whose
// givens conflict, answers status 1 at once.
SolveResult SolveString(std::string_view puzzle);

// The board as 81 characters: '1'..'9' a given, anything else a blank.
// Forward, reversed and mirrored passes; the second solution is the reversed
// pass's grid when it differs from the first, else the mirrored pass's.
UniquenessReport TestUniqueness(std::string_view board);

// The import dialog's variant: a board without blanks whose givens agree is
// its own single solution.
UniquenessReport TestUniquenessDialog(std::string_view board);

} // namespace velmar
