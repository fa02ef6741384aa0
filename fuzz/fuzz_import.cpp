// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the puzzle text import with any bytes: the layout is 0..4, every
// cell of a converted grid is a given digit or an open cell of digits, the
// 81-character layouts give open cells exactly the candidates their givens
// leave, and the givens alone import again as the same puzzle. The dialog's
// grid keeps its cells for a text of no layout. A text read as a puzzle
// file gives a first puzzle the import reads whenever it counts one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/import_or_create_model.h"
#include "exchange/puzzle_file.h"
#include "exchange/puzzle_text_import.h"
#include "history/position_line.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool AllDigits(const std::string& text) {
    for (char ch : text)
        if (ch < '1' || ch > '9') return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const velmar::PuzzleTextImport out = velmar::ImportPuzzleText(text);
    require(out.layout >= velmar::kLayoutInvalid && out.layout <= velmar::kLayoutCandidates);
    const velmar::PuzzleFile file = velmar::ReadPuzzleFile(text);
    require(file.count == 0 ||
            velmar::ImportPuzzleText(file.first).layout != velmar::kLayoutInvalid);

    velmar::BoardCells grid;
    velmar::ImportOrCreateModel model(grid);
    require(model.ImportText(text) == out.layout);
    if (out.layout == velmar::kLayoutInvalid) {
        for (int i = 0; i < 81; ++i) require(model.grid().at(i).Text == "123456789");
        return 0;
    }
    for (int i = 0; i < 81; ++i) {
        const velmar::TPicNode& node = out.grid.at(i);
        require(AllDigits(node.Text));
        require(node.State == velmar::kStateOpen ||
                (node.State == velmar::kStatePlaced && node.Text.size() == 1));
        require(node.Text == model.grid().at(i).Text);
        if (out.layout != velmar::kLayoutCandidates && node.State == velmar::kStateOpen)
            require(node.Text == out.grid.PeerCandidates(i / 9 + 1, i % 9 + 1));
    }
    if (out.layout != velmar::kLayoutCandidates) {
        velmar::BoardCells again;
        require(velmar::ReadPositionLine(again, velmar::WritePositionLine(out.grid)));
        const velmar::PuzzleTextImport line =
            velmar::ImportPuzzleText(velmar::ImportedPuzzleLine(out.grid));
        require(line.layout == velmar::kLayoutString);
        require(velmar::WritePositionLine(line.grid) == velmar::WritePositionLine(out.grid));
    }
    return 0;
}
