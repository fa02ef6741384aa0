// SPDX-License-Identifier: GPL-3.0-or-later
// Both the engine's own techniques and the advanced ladder start a unit's
// deductions with the same phrase ("In row C, ...", "In the center block,
// ..."), on the sentence's first or second line; that phrase names the unit
// of the second stage. Other hints are shown by their cells: the ladder's
// pattern (the targets of a single when it has none), or every cell the
// engine's own technique colours.
#include "hints/study/staged_hint.h"

#include "hints/ladder/ladder_grid.h"
#include "hints/study/technique_guide.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace velmar::study {

namespace {

bool isOutcome(const Hint& hint) {
    return hint.technique == kNoTechnique || hint.technique == kStumped;
}

// The unit (0..8 rows, 9..17 columns, 18..26 boxes) whose phrase begins a
// line of the sentence.
std::optional<int> sentenceUnit(std::string_view sentence) {
    std::size_t start = 0;
    while (start <= sentence.size()) {
        const std::string_view line = sentence.substr(start);
        for (int u = 0; u < 27; ++u) {
            const std::string phrase = "In " + ladder::unitName(u) + ",";
            if (line.substr(0, phrase.size()) == phrase) return u;
        }
        const std::size_t end = sentence.find('\n', start);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return std::nullopt;
}

std::vector<int> colouredCells(const HintHighlights& marks, HighlightColour only) {
    std::vector<int> cells;
    for (int i = 0; i < 81; ++i) {
        if (marks[i] != HighlightColour::White &&
            (only == HighlightColour::White || marks[i] == only))
            cells.push_back(i);
    }
    return cells;
}

// Where the deduction is, when it is not one unit's.
std::vector<int> patternCells(const Hint& hint) {
    if (hint.ladderTechnique < 0) return colouredCells(hint.highlights, HighlightColour::White);
    return hint.patternCells.empty() ? hint.targetCells : hint.patternCells;
}

std::string cellNames(const std::vector<int>& cells) {
    ladder::Cells set;
    for (int c : cells) set.add(c);
    return ladder::cellList(set);
}

} // namespace

HintStage stagedHint(const Hint& hint, int stage) {
    if (stage >= kLastStage || isOutcome(hint)) return {hint.sentence, hint.highlights};
    const std::optional<int> unit = sentenceUnit(hint.sentence);
    HintStage out;
    out.highlights.fill(HighlightColour::White);
    out.text = "Look for " + std::string(techniquePhrase(hint));
    if (stage <= kFirstStage) return out;
    std::vector<int> where;
    if (unit) {
        out.text += " in " + ladder::unitName(*unit);
        const auto& cells = ladder::geometry().unitCells[*unit];
        where.assign(cells.begin(), cells.end());
    } else {
        where = patternCells(hint);
        out.text += (where.size() == 1 ? " in " : " in these squares: ") + cellNames(where);
    }
    for (int c : where) out.highlights[c] = HighlightColour::Cyan;
    return out;
}

} // namespace velmar::study
