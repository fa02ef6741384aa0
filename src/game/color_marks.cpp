// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/color_marks.h"

#include "game/board_display.h"
#include "model/tqj.h"

namespace velmar {

void ColorMarkStore::Clear() {
    for (auto& cell : marks_) cell.fill(NoMark);
}

bool ColorMarkStore::IsEmpty() const {
    for (const auto& cell : marks_)
        for (TColor c : cell)
            if (c != NoMark) return false;
    return true;
}

void ResetColors(BoardDisplay& board, ColorMarkStore& store, int selectedDigit, bool clearStore) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TColor colour = board.DefaultColor(r, c, selectedDigit);
            board.SetCellColor(r, c, colour);
            board.SetCandidatesColor(r, c, colour);
        }
    if (clearStore) store.Clear();
}

void CaptureMarks(const BoardDisplay& board, ColorMarkStore& store, int selectedDigit) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const TColor own = board.DefaultColor(r, c, selectedDigit);
            auto asMark = [own](TColor colour) { return colour == own ? NoMark : colour; };
            store.entry(r, c, 0) = asMark(board.CellColor(r, c));
            for (int d = 1; d <= 9; ++d)
                store.entry(r, c, d) = asMark(board.CandidateColor(r, c, d));
        }
}

void ApplyMarks(BoardDisplay& board, const ColorMarkStore& store, const TQJ& model,
                int selectedDigit) {
    ColorMarkStore kept = store; // ResetColors must not clear the caller's marks
    ResetColors(board, kept, selectedDigit, false);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            if (store.entry(r, c, 0) != NoMark) board.SetCellColor(r, c, store.entry(r, c, 0));
            for (int d = 1; d <= 9; ++d)
                if (store.entry(r, c, d) != NoMark)
                    board.SetCandidateColor(r, c, d, store.entry(r, c, d));
        }
    MarkWrongDigits(board, model);
}

void MarkWrongDigits(BoardDisplay& board, const TQJ& model) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const std::string& text = board.cells().cell(r, c).Text;
            const int solution = model.node(r, c).Digit;
            if (text.size() == 1 && solution != 0 && text[0] != static_cast<char>('0' + solution))
                board.SetCaptionColor(r, c, board.properties().FONTColor2);
        }
}

} // namespace velmar
