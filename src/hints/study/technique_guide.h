// SPDX-License-Identifier: GPL-3.0-or-later
// What the study tools say about a technique: how a first, smallest hint
// names it ("a hidden pair"), and a one-sentence explanation for players who
// want to practise it. Covers the advanced ladder's techniques by their row
// of the technique table, and the engine's own techniques by their counter.
#pragma once

#include "hints/hint.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmar::study {

struct TechniqueGuide {
    std::string_view phrase;      // with its article: "a hidden pair", "an X-Wing"
    std::string_view explanation; // one sentence
};

// A row of the ladder's technique table (0..kTechniqueCount-1).
const TechniqueGuide& ladderGuide(int technique);

// The phrase for a hint of the engine's own techniques. A subset's size and
// whether a box/line reduction points from a box (rather than claims for
// one) are not in the counter, so they are passed along.
std::string_view counterPhrase(TechniqueCounter counter, int subsetSize, bool fromBox);

// The name of a hint's technique: the ladder's table name ("Hidden Pair"),
// or for the engine's own techniques the phrase's words capitalised
// ("Chain of Pairs"); empty for an outcome.
std::string techniqueName(const Hint& hint);

// The phrase for any hint: the ladder's, or the engine's own technique's with
// the subset size and the box/line direction read off the hint; empty for an
// outcome.
std::string_view techniquePhrase(const Hint& hint);

// The ladder's techniques with distinct names, in ladder order: the two
// hidden single rows (in a box, in a line) share one name and one entry, the
// first of them.
const std::vector<int>& distinctLadderTechniques();

// The ladder row whose name matches `name` without regard to letter case, and
// with blanks, hyphens and underscores alike ("hidden pair", "x-wing",
// "Two_String_Kite"); -1 when none does.
int findLadderTechnique(std::string_view name);

} // namespace velmar::study
