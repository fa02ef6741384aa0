// SPDX-License-Identifier: GPL-3.0-or-later
#include "hints/puzzle_rating.h"

#include "hints/ladder/technique_table.h"

namespace velmar {

std::string RatePuzzleLine(HintEngine& engine, std::string_view line,
                           const RatingObserver& observer) {
    engine.reset();
    engine.clearTechniqueCounts();
    engine.loadGivens(line);
    while (true) {
        engine.search();
        const bool found = engine.isDeductionWaiting();
        if (observer.step) observer.step(engine);
        if (found) {
            // Applied in the engine only: a single is placed, an elimination
            // is already in the masks.
            engine.placePendingInEngine();
            engine.dropWaitingDeduction();
            if (observer.state) observer.state(engine);
        }
        if (engine.outcome() != kOutcomeRunning) break;
    }
    std::string result(line);
    result += '\t' + std::to_string(engine.score());
    for (int count : engine.counts()) result += '\t' + std::to_string(count);
    return result;
}

std::string DifficultyColumns(int tenths, int ladderTechnique) {
    std::string out = '\t' + std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) + '\t';
    if (ladderTechnique >= 0) out += ladder::techniqueInfo(ladderTechnique).name;
    return out;
}

std::string SentenceOnOneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += " / ";
            ++i;
        } else if (text[i] == '\n' || text[i] == '\r') {
            out += " / ";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ScoredSentence(std::string_view sentence, int score) {
    return SentenceOnOneLine(sentence) + "---难度分：" + std::to_string(score);
}

std::string EngineStateText(const HintEngine& engine) {
    std::string out;
    out.reserve(81 * 4);
    for (int i = 0; i < 81; ++i) {
        const int e = hints::engineCellOfIndex(i);
        if (i > 0) out += ',';
        if (engine.placed(e) != 0) {
            out += static_cast<char>('0' + engine.placed(e));
        } else {
            out += '+';
            out += hints::digitList(engine.candidates(e), "");
        }
    }
    return out;
}

} // namespace velmar
